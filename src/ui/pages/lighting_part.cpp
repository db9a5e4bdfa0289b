#include "ui/pages/lighting_part.h"

#include "settings/lighting_settings.h"
#include "ui/pages/page_layout.h"
#include "ui/pages/page_texts.h"
#include "ui/skin/qt_rect.h"
#include "ui/skin/skin_state.h"
#include "ui/skin/skin_text.h"

#include <QMouseEvent>

namespace pelmora {

namespace L = layout;

namespace {

constexpr std::array<PageCaption, 1> kCaptions = {{{L::kDpiEffectCaption, TextId::DpiEffect}}};

// Heights of the parameter list of modes 1, 2 and 3 (Neon also for any
// other mode); the list hangs under the parameter box.
int parameterListHeight(std::uint8_t mode) {
    constexpr std::array<int, 3> kHeights = {173, 93, 203};
    return mode == 1 || mode == 2 ? kHeights[mode - 1u] : kHeights[2];
}

const QColor kListText(255, 255, 255);
const QColor kBlack(0, 0, 0);

} // namespace

LightingPart::LightingPart(PageFrame& frame, SettingsBlock& settings)
    : frame_(frame), window_(frame.canvas().window()), settings_(settings),
      modeList_(window_, L::kLightingBoxes[ModeBox], L::kLightingModeList),
      parameterList_(window_, L::kLightingBoxes[ParameterBox], {}),
      effectList_(window_, L::kLightingBoxes[EffectBox], L::kLightingEffectList) {
    for (DropDownList* list : {&modeList_, &parameterList_, &effectList_}) {
        list->setColours(kListText, kBlack);
        frame_.addPageList(PageFrame::BasicPage, *list);
    }
    connect(&modeList_, &DropDownList::chosen, this, [this](int index, const QString&) {
        const auto status = chooseLightMode(settings_, static_cast<std::size_t>(index));
        if (status) {
            setStatus(ModeBox, text(status->mode));
            setStatus(ParameterBox, QString::fromUtf8(status->parameter));
            setStatus(EffectBox, text(status->effect));
        }
    });
    connect(&parameterList_, &DropDownList::chosen, this, [this](int index, const QString&) {
        setStatus(ParameterBox, QString::fromUtf8(chooseLightParameter(
                                    settings_, static_cast<std::size_t>(index))));
    });
    connect(&effectList_, &DropDownList::chosen, this, [this](int index, const QString&) {
        effectFlag_ = false;
        const auto chosen = chooseLightEffect(settings_, static_cast<std::size_t>(index));
        if (chosen) {
            setStatus(EffectBox, text(*chosen));
        }
    });
    window_.installEventFilter(this);
}

QString LightingPart::text(TextId id) const {
    return pageText(id, skinState().language());
}

QString LightingPart::text(std::optional<TextId> id) const {
    return id ? text(*id) : QString();
}

void LightingPart::enter() {
    const QFont& font = frame_.textFont();
    for (DropDownList* list : {&modeList_, &parameterList_, &effectList_}) {
        list->setFont(font);
    }
    QStringList modes;
    for (TextId id : kLightModeListTexts) {
        modes << text(id);
    }
    modeList_.setItems(modes);
    QStringList effects;
    for (TextId id : kLightEffectListTexts) {
        effects << text(id);
    }
    effectList_.setItems(effects);
    effectFlag_ = false;

    for (int s = 0; s < 4; ++s) {
        // Owned by the window until the page frame destroys it.
        auto* swatch = new QWidget(&window_);
        swatch->setGeometry(toQRect(L::dpiSwatch(s)));
        swatch->setAutoFillBackground(true);
        // The window tests the swatch's rectangle itself.
        swatch->setAttribute(Qt::WA_TransparentForMouseEvents);
        swatches_[static_cast<std::size_t>(s)] = swatch;
        paintSwatch(s);
        swatch->show();
        frame_.addPageChild(PageFrame::BasicPage, *swatch);
    }

    const LightingStatus status = lightingStatus(settings_);
    const std::array<QString, 3> texts = {text(status.mode), QString::fromUtf8(status.parameter),
                                          text(status.effect)};
    const QColor& colour = skinState().textColour();
    for (std::size_t i = 0; i < status_.size(); ++i) {
        auto* label = new QLabel(&window_);
        label->setAlignment(Qt::AlignCenter);
        label->setFont(font);
        // A status text lets clicks through to its box.
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        label->setAutoFillBackground(true);
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, kBlack);
        palette.setColor(QPalette::WindowText, colour);
        label->setPalette(palette);
        status_[i] = label;
        setStatus(static_cast<Box>(i), texts[i]);
        label->show();
        frame_.addPageChild(PageFrame::BasicPage, *label);
    }
}

void LightingPart::draw(QPainter* p) {
    drawCaptions(p, kCaptions, frame_.textFont());
    const QColor& colour = skinState().textColour();
    const QFont& font = frame_.textFont();
    drawTextLine(p, L::kColorLabel, QStringLiteral("Color"), TextAlign::Right, font, colour);
    const std::array<TextId, 3> captions = {TextId::Mode, TextId::Parameter, TextId::Effect};
    for (std::size_t i = 0; i < captions.size(); ++i) {
        drawTextLine(p, L::lightingCaption(L::kLightingBoxes[i]), text(captions[i]),
                     TextAlign::Right, font, colour);
    }
}

void LightingPart::describe(std::vector<SkinControl>& out) {
    const std::array<TextId, 3> captions = {TextId::Mode, TextId::Parameter, TextId::Effect};
    const std::array<DropDownList*, 3> lists = {&modeList_, &parameterList_, &effectList_};
    for (std::size_t i = 0; i < captions.size(); ++i) {
        out.push_back({.rect = L::kLightingBoxes[i],
                       .role = QAccessible::ComboBox,
                       .name = text(captions[i]),
                       .value = statusText(static_cast<int>(i)),
                       .list = lists[i]});
    }
}

void LightingPart::leave() {
    effectFlag_ = false;
}

bool LightingPart::press(const QPoint& p) {
    for (int s = 0; s < 4; ++s) {
        if (contains(L::dpiSwatch(s), p)) {
            pressSwatch(s);
            return true;
        }
    }
    if (contains(L::kLightingBoxes[ModeBox], p)) {
        pressMode();
        return true;
    }
    if (contains(L::kLightingBoxes[ParameterBox], p)) {
        pressParameter();
        return true;
    }
    if (contains(L::kLightingBoxes[EffectBox], p)) {
        pressEffect();
        return true;
    }
    return false;
}

void LightingPart::pressSwatch(int stage) {
    const auto s = static_cast<std::size_t>(stage);
    const ColourChooser& chooseColour = frame_.dialogs().chooseColour;
    if (!stageColourChangeable(settings_, s) || !chooseColour) {
        return;
    }
    const auto& rgb = settings_.dpiColour[s];
    const std::optional<QColor> colour = chooseColour(window_, QColor(rgb[0], rgb[1], rgb[2]));
    if (!colour) {
        return;
    }
    settings_.dpiColour[s] = {static_cast<std::uint8_t>(colour->red()),
                              static_cast<std::uint8_t>(colour->green()),
                              static_cast<std::uint8_t>(colour->blue())};
    paintSwatch(stage);
}

void LightingPart::paintSwatch(int stage) {
    QWidget* swatch = swatches_[static_cast<std::size_t>(stage)];
    if (swatch == nullptr) {
        return;
    }
    const auto& rgb = settings_.dpiColour[static_cast<std::size_t>(stage)];
    QPalette palette = swatch->palette();
    palette.setColor(QPalette::Window, QColor(rgb[0], rgb[1], rgb[2]));
    swatch->setPalette(palette);
    swatch->update();
}

void LightingPart::pressMode() {
    modeList_.toggle();
}

void LightingPart::pressParameter() {
    if (parameterList_.isOpen()) {
        parameterList_.close();
        return;
    }
    const std::uint8_t mode = settings_.lightMode;
    QStringList entries;
    for (std::string_view entry : lightParameterList(mode)) {
        entries << QString::fromUtf8(entry);
    }
    parameterList_.setItems(entries);
    const Rect box = L::kLightingBoxes[ParameterBox];
    parameterList_.setListRect({box.left, L::kLightingParameterListTop, box.right,
                                box.bottom + parameterListHeight(mode)});
    parameterList_.open();
}

void LightingPart::pressEffect() {
    if (effectFlag_) {
        effectList_.close();
        effectFlag_ = false;
        return;
    }
    switch (effectBoxAction(settings_.lightMode)) {
    case EffectBoxAction::ShowRgbEffect:
        setStatus(EffectBox, text(TextId::ColourRgbEffect));
        break;
    case EffectBoxAction::OpenList:
        effectList_.open();
        break;
    case EffectBoxAction::Nothing:
        break;
    }
    effectFlag_ = true;
}

void LightingPart::setStatus(Box box, const QString& value) {
    QLabel* label = status_[static_cast<std::size_t>(box)];
    if (label == nullptr) {
        return;
    }
    // The status leaves the box's arrow free: a text too long for it
    // ("RGB Fixed On" in a wide font) is elided, and its tool tip is whole.
    const auto index = static_cast<std::size_t>(box);
    const Rect status = L::lightingStatus(L::kLightingBoxes[index]);
    const QString shown = label->fontMetrics().elidedText(value, Qt::ElideRight, status.width());
    label->setGeometry(toQRect(status));
    label->setText(shown);
    label->setToolTip(shown == value ? QString() : value);
    statusTexts_[index] = value;
}

QString LightingPart::statusText(int box) const {
    return status_[static_cast<std::size_t>(box)] != nullptr
               ? statusTexts_[static_cast<std::size_t>(box)]
               : QString();
}

bool LightingPart::eventFilter(QObject* watched, QEvent* event) {
    // A press on the page outside the effect box and its list clears the
    // box's flag, as it closes every open list.
    if (watched == &window_ && event->type() == QEvent::MouseButtonPress && effectFlag_ &&
        frame_.page() == PageFrame::BasicPage) {
        const auto* press = static_cast<QMouseEvent*>(event);
        const QPoint p = press->position().toPoint();
        if (press->button() == Qt::LeftButton && !frameControlAt(p) &&
            !contains(L::kLightingBoxes[EffectBox], p) && !contains(L::kLightingEffectList, p)) {
            effectFlag_ = false;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace pelmora
