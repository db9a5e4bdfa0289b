#include "ui/pages/macro_editor_part.h"

#include "settings/capture_texts.h"
#include "ui/keys/delay_time_dialog.h"
#include "ui/keys/key_event_name.h"
#include "ui/pages/page_layout.h"
#include "ui/pages/page_texts.h"
#include "ui/skin/qt_rect.h"
#include "ui/skin/skin_image_names.h"
#include "ui/skin/skin_state.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>

namespace pelmora {

namespace L = layout;
namespace img = skin_image;

namespace {

constexpr std::array<PageCaption, 9> kCaptions = {{
    {L::kMacroSettingCaption, TextId::MacroSetting},
    {L::kMacroColumnHeadings[0], TextId::SelectMacro},
    {L::kMacroColumnHeadings[1], TextId::KeyPressSequence},
    {L::kMacroColumnHeadings[2], TextId::RecordOption},
    {L::recordButtonText(L::kStartRecordButton), TextId::StartRecording, TextAlign::Left},
    {L::recordButtonText(L::kStopRecordButton), TextId::StopRecording, TextAlign::Left},
    {L::fieldCaption(L::kMacroNameField), TextId::MacroName, TextAlign::Left},
    {L::fieldCaption(L::kLoopTimesField), TextId::LoopTimes, TextAlign::Left},
    {L::fieldCaption(L::kMouseEventBox), TextId::InsertMouseEvent, TextAlign::Left},
}};

std::string toUtf8(const QString& s) {
    return s.toStdString();
}

const QColor kFieldBackground(40, 40, 40);

} // namespace

MacroEditorPart::MacroEditorPart(PageFrame& frame, SettingsBlock& settings, MessageSink& messages,
                                 std::filesystem::path macroFile)
    : frame_(frame), window_(frame.canvas().window()), settings_(settings), messages_(messages),
      macroFile_(std::move(macroFile)),
      mouseEvents_(window_, L::kMouseEventBox, L::kMouseEventList) {
    const std::array<Rect, 3> rects = {L::kNewMacroButton, L::kDeleteMacroButton,
                                       L::kConfirmMacroButton};
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        buttons_[i] = {rects[i], img::kButtonNormal, img::kButtonOver, {}, {}};
    }
    frame_.addPageList(PageFrame::AdvancedPage, mouseEvents_);
    frame_.hooks().recording = [this] { return recorder_.listening(); };
    connect(&mouseEvents_, &DropDownList::chosen, this, [this](int, const QString& entry) {
        if (!editor_) {
            return;
        }
        editor_->insertMouseEvent(toUtf8(entry));
        if (mouseEventHeader_) {
            mouseEventHeader_->setText(entry);
        }
        showEvents();
    });
}

MacroEditorPart::~MacroEditorPart() {
    if (filtering_) {
        qApp->removeEventFilter(this);
    }
}

QString MacroEditorPart::text(TextId id) const {
    return pageText(id, skinState().language());
}

void MacroEditorPart::enter() {
    const Language language = languageFromCode(skinState().language());
    if (!recorder_.recording()) {
        recorder_ = MacroRecorder(language);
    }
    const std::array<TextId, 3> captions = {TextId::New, TextId::Delete, TextId::Confirm};
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        buttons_[i].caption = text(captions[i]);
        buttons_[i].hovered = false;
    }
    QStringList entries;
    for (std::string_view entry : kMouseEventEntries) {
        entries << QString::fromUtf8(entry);
    }
    mouseEvents_.setItems(entries);
    mouseEvents_.setFont(frame_.textFont());

    editor_.emplace(MacroStore(macroFile_), settings_.macroData, language);
    createFields();
    createLists();
    editor_->load(messages_);
    showNames();
    showEvents();
    showFields();
}

void MacroEditorPart::createFields() {
    const QColor& colour = skinState().textColour();
    auto makeField = [&](const Rect& r) {
        // Owned by the window until the page frame destroys it.
        auto* field = new QLineEdit(&window_);
        field->setGeometry(toQRect(r));
        field->setAlignment(Qt::AlignCenter);
        field->setFont(frame_.textFont());
        field->setFrame(false);
        field->setTextMargins(0, 0, 0, 0);
        field->setStyleSheet(QStringLiteral("QLineEdit { background: %1; color: %2; border: 0px; "
                                            "padding: 0px; }")
                                 .arg(kFieldBackground.name(), colour.name()));
        field->show();
        frame_.addPageChild(PageFrame::AdvancedPage, *field);
        return field;
    };
    nameField_ = makeField(L::kMacroNameField);
    nameField_->setMaxLength(static_cast<int>(kMaxMacroNameLength));
    connect(nameField_, &QLineEdit::textEdited, this, [this](const QString& typed) {
        editor_->setNameField(toUtf8(typed));
        const QString kept = QString::fromUtf8(editor_->nameField());
        if (kept != typed) {
            const QSignalBlocker quiet(nameField_);
            nameField_->setText(kept);
        }
    });
    loopField_ = makeField(L::kLoopTimesField);
    loopField_->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,9}")), loopField_));
    connect(loopField_, &QLineEdit::textEdited, this, [this](const QString& typed) {
        editor_->setLoopField(toUtf8(typed), messages_);
        showFields();
    });

    auto* header = new QLabel(&window_);
    header->setGeometry(toQRect(L::kMouseEventBox));
    header->setAlignment(Qt::AlignCenter);
    header->setFont(frame_.textFont());
    header->setAttribute(Qt::WA_TransparentForMouseEvents);
    QPalette palette = header->palette();
    palette.setColor(QPalette::WindowText, colour);
    header->setPalette(palette);
    header->show();
    frame_.addPageChild(PageFrame::AdvancedPage, *header);
    mouseEventHeader_ = header;
}

void MacroEditorPart::createLists() {
    auto makeList = [&](const Rect& r) {
        auto* list = new QListWidget(&window_);
        list->setGeometry(toQRect(r));
        // A long name is cut with an ellipsis; its tool tip shows it whole.
        applyListRule(*list, QColor(255, 255, 255), QColor(40, 40, 40), frame_.textFont(),
                      LongRows::Elide);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->show();
        frame_.addPageChild(PageFrame::AdvancedPage, *list);
        return list;
    };
    nameList_ = makeList(L::kMacroNameList);
    connect(nameList_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0) {
            return;
        }
        editor_->selectMacro(static_cast<std::size_t>(row), messages_);
        showEvents();
        showFields();
    });

    eventList_ = makeList(L::kEventList);
    eventList_->setMouseTracking(true);
    eventList_->viewport()->setMouseTracking(true);
    eventList_->viewport()->installEventFilter(this);
    eventList_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(eventList_, &QListWidget::currentRowChanged, this, [this](int row) {
        editor_->selectEvent(row < 0 ? std::nullopt
                                     : std::optional<std::size_t>(static_cast<std::size_t>(row)));
    });
    connect(eventList_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { editDelayLine(eventList_->row(item)); });
    connect(eventList_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu menu(&window_);
        QAction* remove = menu.addAction(text(TextId::Delete));
        if (menu.exec(eventList_->viewport()->mapToGlobal(at)) == remove) {
            deleteEventLine();
        }
    });
}

void MacroEditorPart::showNames() {
    if (!nameList_) {
        return;
    }
    const QSignalBlocker quiet(nameList_);
    nameList_->clear();
    const int room = listRowTextWidth(*nameList_);
    for (const std::string& name : editor_->names()) {
        const QString text = QString::fromUtf8(name);
        auto* item = new QListWidgetItem(text, nameList_);
        if (nameList_->fontMetrics().horizontalAdvance(text) > room) {
            item->setToolTip(text);
        }
    }
    const auto selected = editor_->selectedMacro();
    nameList_->setCurrentRow(selected ? static_cast<int>(*selected) : -1);
}

void MacroEditorPart::showEvents() {
    if (!eventList_) {
        return;
    }
    const QSignalBlocker quiet(eventList_);
    eventList_->clear();
    for (const std::string& item : editor_->events()) {
        eventList_->addItem(QString::fromUtf8(item));
    }
    showEventSelection();
}

void MacroEditorPart::showEventSelection() {
    const QSignalBlocker quiet(eventList_);
    const auto selected = editor_->selectedEvent();
    eventList_->setCurrentRow(selected ? static_cast<int>(*selected) : -1);
    if (selected) {
        eventList_->scrollToItem(eventList_->item(static_cast<int>(*selected)));
    }
}

void MacroEditorPart::showFields() {
    for (auto [field, value] : {std::pair{nameField_, &editor_->nameField()},
                                std::pair{loopField_, &editor_->loopField()}}) {
        if (field && field->text() != QString::fromUtf8(*value)) {
            const QSignalBlocker quiet(field);
            field->setText(QString::fromUtf8(*value));
        }
    }
}

void MacroEditorPart::draw(QPainter* painter) {
    drawCaptions(painter, kCaptions, frame_.textFont());
    for (const HotArea& button : buttons_) {
        drawHotArea(painter, button, false, frame_.textFont());
    }
}

void MacroEditorPart::collectHotAreas(std::vector<HotArea*>& areas) {
    for (HotArea& button : buttons_) {
        button.hovered = false;
        areas.push_back(&button);
    }
}

bool MacroEditorPart::press(const QPoint& p) {
    if (contains(L::kStartRecordButton, p)) {
        startRecording();
    } else if (contains(L::kStopRecordButton, p)) {
        stopRecording();
    } else if (contains(L::kNewMacroButton, p)) {
        newMacro();
    } else if (contains(L::kDeleteMacroButton, p)) {
        deleteMacro();
    } else if (contains(L::kConfirmMacroButton, p)) {
        confirmMacro();
    } else if (contains(L::kMouseEventBox, p)) {
        mouseEvents_.toggle();
    } else {
        return false;
    }
    return true;
}

void MacroEditorPart::describe(std::vector<SkinControl>& out) {
    const auto widget = [&](QWidget* w, const Rect& r, QAccessible::Role role, TextId name) {
        if (w != nullptr) {
            out.push_back({.rect = r, .role = role, .name = text(name), .widget = w});
        }
    };
    widget(nameList_, L::kMacroNameList, QAccessible::List, TextId::SelectMacro);
    widget(eventList_, L::kEventList, QAccessible::List, TextId::KeyPressSequence);
    out.push_back({.rect = L::kStartRecordButton, .name = text(TextId::StartRecording)});
    out.push_back({.rect = L::kStopRecordButton, .name = text(TextId::StopRecording)});
    widget(nameField_, L::kMacroNameField, QAccessible::EditableText, TextId::MacroName);
    widget(loopField_, L::kLoopTimesField, QAccessible::EditableText, TextId::LoopTimes);
    out.push_back({.rect = L::kMouseEventBox,
                   .role = QAccessible::ComboBox,
                   .name = text(TextId::InsertMouseEvent),
                   .value = mouseEventHeader_ ? mouseEventHeader_->text() : QString(),
                   .list = &mouseEvents_});
    for (const HotArea& button : buttons_) {
        out.push_back({.rect = button.rect, .name = button.caption});
    }
}

void MacroEditorPart::leave() {
    // Leaving the page stops a recording without a message.
    if (recorder_.listening()) {
        recorder_.detach();
        endRecordingView();
    }
    editor_.reset();
}

void MacroEditorPart::startRecording() {
    if (!editor_ || !recorder_.start(!editor_->names().empty(), messages_)) {
        return;
    }
    editor_->clearEvents();
    showEvents();
    if (!savedTitle_) {
        savedTitle_ = window_.windowTitle();
    }
    window_.setWindowTitle(QString::fromUtf8(recorder_.recordingHint()));
    showRecordingStatus(window_.windowTitle());
    if (!filtering_) {
        qApp->installEventFilter(this);
        filtering_ = true;
    }
    // Keys the desktop binds for itself come to the recording too, where the
    // desktop agrees; the title says when it may keep them.
    if (QWindow* window = window_.windowHandle()) {
        keyboard_.take(*window);
    }
}

void MacroEditorPart::showKeyboardReach(KeyboardHold::Reach reach) {
    if (!savedTitle_) {
        return;
    }
    QString title = QString::fromUtf8(recorder_.recordingHint());
    if (reach == KeyboardHold::Reach::OwnKeysOnly) {
        title += QStringLiteral(" - ") +
                 QString::fromUtf8(desktopKeysNoteText(languageFromCode(skinState().language())));
    }
    window_.setWindowTitle(title);
    showRecordingStatus(title);
}

void MacroEditorPart::showRecordingStatus(const QString& text) {
    // The title stays for window lists; a frameless window without a task-bar
    // entry shows it nowhere, so the status line says it too.
    frame_.statusLine().set(StatusLine::Source::Recording, text);
}

void MacroEditorPart::stopRecording() {
    recorder_.stop(messages_);
    endRecordingView();
}

void MacroEditorPart::endRecordingView() {
    keyboard_.release();
    if (filtering_) {
        qApp->removeEventFilter(this);
        filtering_ = false;
    }
    if (savedTitle_) {
        window_.setWindowTitle(*savedTitle_);
        savedTitle_.reset();
        showRecordingStatus({});
    }
}

void MacroEditorPart::newMacro() {
    if (editor_ && editor_->newMacro(messages_)) {
        showNames();
        showEvents();
    }
}

void MacroEditorPart::deleteMacro() {
    if (editor_ && editor_->deleteMacro(messages_)) {
        showNames();
        showEvents();
        showFields();
    }
}

void MacroEditorPart::confirmMacro() {
    if (editor_ && editor_->confirm(messages_)) {
        // Failures have their message boxes; success is only spoken.
        frame_.controls().announceText(controlNameText(ControlName::MacroSaved));
    }
}

void MacroEditorPart::editDelayLine(int row) {
    const DelayEditor& editDelay = frame_.dialogs().editDelay;
    if (!editor_ || row < 0 || !editor_->isDelayLine(static_cast<std::size_t>(row)) || !editDelay) {
        return;
    }
    const std::optional<DelayResult> result = editDelay(window_);
    if (!result || !editor_) {
        return;
    }
    editor_->setDelay(static_cast<std::size_t>(row), result->value, toUtf8(result->text));
    showEvents();
}

void MacroEditorPart::deleteEventLine() {
    if (editor_) {
        editor_->deleteSelectedEvent();
        showEvents();
    }
}

void MacroEditorPart::keyDuringRecording(const QKeyEvent& key) {
    const bool pressed = key.type() == QEvent::KeyPress;
    // Auto-repeat comes as releases and presses; only the presses say so.
    if (!pressed && key.isAutoRepeat()) {
        return;
    }
    const std::string name = toUtf8(keyEventName(key));
    if (name.empty() || !editor_) {
        return;
    }
    const bool wasDown = pressed ? key.isAutoRepeat() : true;
    const RecordedKey added =
        recorder_.keyEvent(name, pressed, wasDown, editor_->selectedMacro().has_value(), messages_);
    if (!added.appended.empty()) {
        editor_->appendEvents(added.appended);
        if (eventList_) {
            const QSignalBlocker quiet(eventList_);
            for (const std::string& item : added.appended) {
                eventList_->addItem(QString::fromUtf8(item));
            }
            // The last line stays in view.
            eventList_->setCurrentRow(eventList_->count() - 1);
            eventList_->scrollToBottom();
        }
    }
    if (added.stopped) {
        endRecordingView();
    }
}

bool MacroEditorPart::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (filtering_ && (type == QEvent::KeyPress || type == QEvent::KeyRelease)) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget != nullptr && widget->window() == &window_ &&
            frame_.page() == PageFrame::AdvancedPage) {
            // Every key of the window goes to the recording, and no key-down
            // acts on the page (Enter and Escape would hide the window).
            keyDuringRecording(*static_cast<QKeyEvent*>(event));
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
    // The type first: while the list is being destroyed its viewport still
    // sends events, and the list is no QListWidget any more by then.
    if (type == QEvent::MouseMove && eventList_ && watched == eventList_->viewport()) {
        // The line under the mouse becomes the selected line.
        const auto* move = static_cast<QMouseEvent*>(event);
        QListWidgetItem* item = eventList_->itemAt(move->position().toPoint());
        if (item != nullptr && editor_) {
            editor_->selectEvent(static_cast<std::size_t>(eventList_->row(item)));
            const QSignalBlocker quiet(eventList_);
            eventList_->setCurrentItem(item);
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace pelmora
