#include "app/apply_session.h"

#include "settings/link_texts.h"
#include "settings/shell_messages.h"
#include "settings/transfer_texts.h"
#include "ui/pages/page_layout.h"

#include <QEvent>
#include <QWidget>

#include <iostream>

namespace pelmora {

ApplySession::ApplySession(QWidget& window, ShellDevice& device, MessageSink& messages)
    : window_(window), device_(device), messages_(messages) {}

std::optional<ApplyRefusal> ApplySession::refusal(const Request& request) const {
    // Sending an empty record would turn every button into Left Click and
    // every DPI stage off; saving it would put those zeros over the user's file.
    if (!request.settingsLoaded) {
        return ApplyRefusal::SettingsNotLoaded;
    }
    if (!device_.present()) {
        return ApplyRefusal::NoMouse;
    }
    return std::nullopt;
}

void ApplySession::refuse(ApplyRefusal why, Language language) {
    messages_.showMessage(applyRefusalText(why, language), kAppName);
}

bool ApplySession::start(Request request, const QFont& font, const QColor& colour,
                         Finished finished) {
    if (running()) {
        return false;
    }
    if (const auto why = refusal(request)) {
        refuse(*why, request.language);
        return false;
    }
    const Language language = request.language;
    worker_.start([this, request = std::move(request), finished = std::move(finished)] {
        const ApplyResult result = device_.apply(request.settings, request.language, [&] {
            std::string error;
            if (!writeLabels(request.preferencesFile, request.languageCode, request.labels,
                             &error)) {
                std::cerr << "pelmora: the button labels were not saved: " << error << '\n';
                messages_.showMessage(
                    notSavedText(request.preferencesFile, error, request.language), kAppName);
            }
        });
        return [this, sent = request.settings, language = request.language, finished, result] {
            hideStatus();
            if (result.mouseStoppedAnswering()) {
                messages_.showMessage(writesLostText(result.failedWrites, result.writes, language),
                                      kAppName);
            }
            if (finished) {
                finished(sent);
            }
        };
    });
    window_.setCursor(Qt::BusyCursor);
    showStatus(QString::fromUtf8(sendingSettingsText(language)), font, colour);
    return true;
}

void ApplySession::setIdleStatus(const QString& text, const QFont& font, const QColor& colour) {
    idleStatus_ = text;
    if (running()) {
        return;
    }
    if (text.isEmpty()) {
        hideStatus();
    } else {
        showStatus(text, font, colour);
    }
}

void ApplySession::showStatus(const QString& text, const QFont& font, const QColor& colour) {
    if (!status_) {
        status_ = new QLabel(&window_);
        status_->setAttribute(Qt::WA_TransparentForMouseEvents);
        const Rect& r = layout::kApplyStatusRect;
        status_->setGeometry(r.left, r.top, r.width(), r.height());
    }
    QPalette palette = status_->palette();
    palette.setColor(QPalette::WindowText, colour);
    status_->setPalette(palette);
    status_->setFont(font);
    status_->setText(text);
    status_->show();
    status_->raise();
}

void ApplySession::hideStatus() {
    window_.unsetCursor();
    if (status_) {
        // The idle line (no mouse) comes back once a transfer has ended.
        status_->setText(idleStatus_);
        status_->setVisible(!idleStatus_.isEmpty());
    }
}

bool ApplySession::blocksInput(const QObject* watched, const QEvent* event) const {
    if (!running()) {
        return false;
    }
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick &&
        type != QEvent::KeyPress) {
        return false;
    }
    const auto* widget = qobject_cast<const QWidget*>(watched);
    return widget != nullptr && widget != &window_ && window_.isAncestorOf(widget);
}

} // namespace pelmora
