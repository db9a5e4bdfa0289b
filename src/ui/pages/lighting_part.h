#pragma once
// The lighting controls of the basic page: a colour swatch under each DPI
// column that opens the colour chooser, and the "DPI Effect" group of three
// boxes (mode, parameter, colour effect), each with a status text and a
// drop-down list. What the texts say and what a choice stores are the
// settings rules of settings/lighting_settings.h.

#include "settings/settings_block.h"
#include "ui/pages/page_frame.h"
#include "ui/pages/page_part.h"
#include "ui/skin/drop_down_list.h"

#include <QColor>
#include <QLabel>
#include <QPointer>

#include <array>
#include <functional>
#include <optional>

namespace pelmora {

class LightingPart : public QObject, public PagePart {
    Q_OBJECT
public:
    LightingPart(PageFrame& frame, SettingsBlock& settings);

    void enter() override;
    void draw(QPainter* painter) override;
    bool press(const QPoint& p) override;
    void describe(std::vector<SkinControl>& controls) override;
    void leave() override;

    // What the page shows, for tests.
    QString statusText(int box) const;
    QLabel* statusLabel(int box) const { return status_[static_cast<std::size_t>(box)]; }
    QWidget* swatch(int stage) const { return swatches_[static_cast<std::size_t>(stage)]; }
    DropDownList& modeList() { return modeList_; }
    DropDownList& parameterList() { return parameterList_; }
    DropDownList& effectList() { return effectList_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum Box { ModeBox = 0, ParameterBox = 1, EffectBox = 2 };

    void pressSwatch(int stage);
    void pressMode();
    void pressParameter();
    void pressEffect();
    void setStatus(Box box, const QString& text);
    void paintSwatch(int stage);
    QString text(TextId id) const;
    QString text(std::optional<TextId> id) const;

    PageFrame& frame_;
    QWidget& window_;
    SettingsBlock& settings_;
    std::array<QPointer<QWidget>, 4> swatches_;
    std::array<QPointer<QLabel>, 3> status_;
    // The whole texts of the status labels (which show them elided).
    std::array<QString, 3> statusTexts_;
    DropDownList modeList_;
    DropDownList parameterList_;
    DropDownList effectList_;
    // The effect box's own flag: in modes 1 and 2 a click sets it without a
    // list, and the next click only clears it.
    bool effectFlag_ = false;
};

} // namespace pelmora
