#include "dialog_layout.h"

#include <algorithm>
#include <numeric>
#include <span>

#include "recording_lists.h"
#include "settings_layout.h"
#include "stc_menu_texts.h"

namespace window_logic {
namespace {

using editions::ControlKind;
using editions::LayoutButton;
using editions::LayoutField;
using editions::LayoutFrame;
using editions::LayoutRow;

// In dialog units, after the desktop's own dialogs.
constexpr int kMarginAcross = 5;
constexpr int kMarginDown = 4;
constexpr int kFrameGapAcross = 4;
constexpr int kFrameGapDown = 2;
constexpr int kInsetSide = 6;
constexpr int kInsetBottom = 5;
constexpr int kRowHeight = 12;
constexpr int kRowPitch = 14;
constexpr int kLabelTop = 2;
constexpr int kLabelGap = 3;
constexpr int kFieldGap = 5;
constexpr int kButtonHeight = 14;
constexpr int kButtonMinimumWidth = 45;
constexpr int kButtonPadding = 12;
constexpr int kButtonGap = 4;
constexpr int kEditMinimumWidth = 53;
constexpr int kEditNarrowestWidth = 24;
constexpr int kListMinimumWidth = 30;
constexpr int kSmallestControl = 12;

struct Size {
    int width = 0;
    int height = 0;
};

ItemKind itemKind(ControlKind kind) {
    switch (kind) {
        case ControlKind::textField:
            return ItemKind::edit;
        case ControlKind::list:
            return ItemKind::list;
        case ControlKind::valueLabel:
            break;
    }
    return ItemKind::valueLabel;
}

// Label and control pairs side by side, their rows one below the other: each pair's label takes
// the width of its column's longest, and the controls share what is left.
struct Grid {
    std::vector<int> labelWidths;
    std::vector<int> controlWidths;
    int rows = 0;

    int width() const {
        const int pairs = static_cast<int>(labelWidths.size());
        return std::accumulate(labelWidths.begin(), labelWidths.end(), 0) +
               std::accumulate(controlWidths.begin(), controlWidths.end(), 0) + pairs * kLabelGap +
               std::max(pairs - 1, 0) * kFieldGap;
    }
    int height() const { return rows > 0 ? rows * kRowPitch - (kRowPitch - kRowHeight) : 0; }

    // The left edge of each pair's label and control, and the controls' widths, across `width`.
    struct Columns {
        std::vector<int> labels;
        std::vector<int> controls;
        std::vector<int> controlWidths;
    };
    Columns across(int left, int available) const {
        const int pairs = static_cast<int>(labelWidths.size());
        const int extra = available - width();
        Columns columns;
        int x = left;
        for (int pair = 0; pair < pairs; ++pair) {
            const auto at = static_cast<std::size_t>(pair);
            const int share = extra / pairs + (pair == pairs - 1 ? extra % pairs : 0);
            columns.labels.push_back(x);
            x += labelWidths[at] + kLabelGap;
            columns.controls.push_back(x);
            const int controlWidth = std::max(controlWidths[at] + share, kSmallestControl);
            columns.controlWidths.push_back(controlWidth);
            x += controlWidth + kFieldGap;
        }
        return columns;
    }
};

// The entries a list may get, which its width must hold.
std::span<const std::string_view> possibleEntries(const editions::Edition& edition,
                                                  const LayoutField& field) {
    if (!field.presetEntries.empty() || field.row == nullptr || !field.row->isList()) {
        return field.presetEntries;
    }
    return listEntries(edition, *field.row);
}

class SettingsPlacer {
  public:
    SettingsPlacer(const editions::Edition& edition, const TextWidth& textWidth,
                   ControlMetrics metrics, std::vector<DialogItem>& items)
        : edition_(edition), textWidth_(textWidth), metrics_(metrics), items_(items) {}

    Size measure(const LayoutFrame& frame) const;
    void place(const LayoutFrame& frame, int x, int y, int width, int height) const;

    // What a text field takes: less than its usual where its row of frames has no more room.
    int editWidth = kEditMinimumWidth;

  private:
    int controlWidth(const LayoutField& field) const;
    int buttonWidth(const LayoutButton& button) const {
        return std::max(kButtonMinimumWidth, textWidth_(button.text) + kButtonPadding);
    }
    int buttonsWidth(const std::vector<LayoutButton>& buttons) const;
    Grid rowsGrid(const std::vector<LayoutRow>& rows) const;
    Grid columnsGrid(const std::vector<std::vector<LayoutField>>& columns) const;
    void addPair(Grid& grid, std::size_t pair, const LayoutField& field) const;
    // The inner frames stacked; and for a frame with columns, how many rows the first two have.
    Size innerFrames(const LayoutFrame& frame) const;
    static int firstTwoColumnsRows(const LayoutFrame& frame);

    void addField(const LayoutField& field, int labelX, int labelWidth, int controlX,
                  int controlWidth, int y, bool hidden) const;
    void addButtons(const std::vector<LayoutButton>& buttons, int right, int y, bool hidden) const;
    int placeRows(const std::vector<LayoutRow>& rows, int x, int y, int width) const;

    const editions::Edition& edition_;
    const TextWidth& textWidth_;
    ControlMetrics metrics_;
    std::vector<DialogItem>& items_;
};

int SettingsPlacer::controlWidth(const LayoutField& field) const {
    switch (field.kind) {
        case ControlKind::textField:
            return editWidth;
        case ControlKind::valueLabel:
            return textWidth_(field.initialText);
        case ControlKind::list:
            break;
    }
    int widest = 0;
    for (const std::string_view entry : possibleEntries(edition_, field)) {
        widest = std::max(widest, textWidth_(entry));
    }
    return std::max(kListMinimumWidth, widest + metrics_.listArrow);
}

int SettingsPlacer::buttonsWidth(const std::vector<LayoutButton>& buttons) const {
    int width = 0;
    for (const auto& button : buttons) {
        width += buttonWidth(button) + kButtonGap;
    }
    return std::max(width - kButtonGap, 0);
}

void SettingsPlacer::addPair(Grid& grid, std::size_t pair, const LayoutField& field) const {
    if (grid.labelWidths.size() <= pair) {
        grid.labelWidths.resize(pair + 1, 0);
        grid.controlWidths.resize(pair + 1, 0);
    }
    grid.labelWidths[pair] = std::max(grid.labelWidths[pair], textWidth_(field.label));
    grid.controlWidths[pair] = std::max(grid.controlWidths[pair], controlWidth(field));
}

Grid SettingsPlacer::rowsGrid(const std::vector<LayoutRow>& rows) const {
    Grid grid;
    for (const auto& row : rows) {
        if (row.hidden) {
            continue;
        }
        for (std::size_t pair = 0; pair < row.fields.size(); ++pair) {
            addPair(grid, pair, row.fields[pair]);
        }
        ++grid.rows;
    }
    return grid;
}

Grid SettingsPlacer::columnsGrid(const std::vector<std::vector<LayoutField>>& columns) const {
    Grid grid;
    for (std::size_t pair = 0; pair < columns.size(); ++pair) {
        for (const auto& field : columns[pair]) {
            addPair(grid, pair, field);
        }
        grid.rows = std::max(grid.rows, static_cast<int>(columns[pair].size()));
    }
    return grid;
}

int SettingsPlacer::firstTwoColumnsRows(const LayoutFrame& frame) {
    std::size_t rows = 0;
    for (std::size_t column = 0; column < std::min<std::size_t>(2, frame.columns.size());
         ++column) {
        rows = std::max(rows, frame.columns[column].size());
    }
    return static_cast<int>(rows);
}

Size SettingsPlacer::innerFrames(const LayoutFrame& frame) const {
    Size size;
    for (const auto& inner : frame.frames) {
        const Size innerSize = measure(inner);
        size.width = std::max(size.width, innerSize.width);
        size.height += innerSize.height + kFrameGapDown;
    }
    size.height = std::max(size.height - kFrameGapDown, 0);
    return size;
}

Size SettingsPlacer::measure(const LayoutFrame& frame) const {
    Size content;
    const auto addPart = [&content](Size part) {
        if (part.height > 0) {
            content.width = std::max(content.width, part.width);
            content.height += (content.height > 0 ? kFrameGapDown : 0) + part.height;
        }
    };
    const Grid rows = rowsGrid(frame.rows);
    addPart({rows.width(), rows.height()});
    const Size inner = innerFrames(frame);
    if (!frame.columns.empty()) {
        const Grid columns = columnsGrid(frame.columns);
        const int besideInner = firstTwoColumnsRows(frame) * kRowPitch + inner.height;
        addPart({std::max(columns.width(), inner.width),
                 std::max(columns.height(), inner.height > 0 ? besideInner : 0)});
    } else {
        addPart(inner);
    }
    const Grid lowerRows = rowsGrid(frame.lowerRows);
    addPart({lowerRows.width(), lowerRows.height()});
    if (!frame.buttons.empty()) {
        // The buttons keep below the rest, with room for one more gap.
        addPart({buttonsWidth(frame.buttons), kButtonHeight + kFrameGapDown});
    }
    return {content.width + 2 * kInsetSide, content.height + metrics_.frameTitle + kInsetBottom};
}

void SettingsPlacer::addField(const LayoutField& field, int labelX, int labelWidth, int controlX,
                              int controlWidth, int y, bool hidden) const {
    items_.push_back({.kind = ItemKind::label,
                      .text = std::string(field.label),
                      .name = editions::labelName(field),
                      .x = labelX,
                      .y = y + kLabelTop,
                      .width = labelWidth,
                      .height = metrics_.labelHeight,
                      .hidden = hidden || field.labelHidden});
    DialogItem control{
        .kind = itemKind(field.kind),
        .text = std::string(field.initialText),
        .name = editions::controlName(field),
        .x = controlX,
        .y = field.kind == ControlKind::valueLabel ? y + kLabelTop : y,
        .width = controlWidth,
        .height = field.kind == ControlKind::valueLabel ? metrics_.labelHeight : kRowHeight,
        .hidden = hidden,
        .presetEntries = field.presetEntries};
    if (field.row != nullptr) {
        control.control = field.row;
    } else if (field.windowField) {
        control.control = *field.windowField;
    }
    items_.push_back(std::move(control));
}

void SettingsPlacer::addButtons(const std::vector<LayoutButton>& buttons, int right, int y,
                                bool hidden) const {
    int x = right - buttonsWidth(buttons);
    for (const auto& button : buttons) {
        const int width = buttonWidth(button);
        items_.push_back({.kind = ItemKind::button,
                          .text = std::string(button.text),
                          .name = std::string(editions::buttonName(button.role)),
                          .control = button.role,
                          .x = x,
                          .y = y,
                          .width = width,
                          .height = kButtonHeight,
                          .hidden = hidden});
        x += width + kButtonGap;
    }
}

// Returns the height the shown rows took. Hidden rows keep their controls, unseen, at the top.
int SettingsPlacer::placeRows(const std::vector<LayoutRow>& rows, int x, int y, int width) const {
    const Grid grid = rowsGrid(rows);
    const auto columns = grid.across(x, width);
    int rowY = y;
    for (const auto& row : rows) {
        const int at = row.hidden ? y : rowY;
        for (std::size_t pair = 0; pair < row.fields.size(); ++pair) {
            const bool placed = !row.hidden && pair < columns.labels.size();
            addField(row.fields[pair], placed ? columns.labels[pair] : x,
                     placed ? grid.labelWidths[pair] : textWidth_(row.fields[pair].label),
                     placed ? columns.controls[pair] : x,
                     placed ? columns.controlWidths[pair] : controlWidth(row.fields[pair]), at,
                     row.hidden);
        }
        addButtons(row.buttons, x + width, at, row.hidden);
        if (!row.hidden) {
            rowY += kRowPitch;
        }
    }
    return grid.height();
}

void SettingsPlacer::place(const LayoutFrame& frame, int x, int y, int width, int height) const {
    items_.push_back({.kind = ItemKind::frame,
                      .text = std::string(frame.title),
                      .name = std::string(frame.role),
                      .x = x,
                      .y = y,
                      .width = width,
                      .height = height});
    const int left = x + kInsetSide;
    const int contentWidth = width - 2 * kInsetSide;
    int top = y + metrics_.frameTitle;
    const auto advance = [&top](int partHeight) {
        if (partHeight > 0) {
            top += partHeight + kFrameGapDown;
        }
    };

    advance(placeRows(frame.rows, left, top, contentWidth));
    if (!frame.columns.empty()) {
        const Grid grid = columnsGrid(frame.columns);
        const auto columns = grid.across(left, contentWidth);
        for (std::size_t pair = 0; pair < frame.columns.size(); ++pair) {
            int rowY = top;
            for (const auto& field : frame.columns[pair]) {
                addField(field, columns.labels[pair], grid.labelWidths[pair],
                         columns.controls[pair], columns.controlWidths[pair], rowY, false);
                rowY += kRowPitch;
            }
        }
        // Inner frames sit below the first two columns, beside the end of the third.
        const std::size_t spanned = std::min<std::size_t>(2, frame.columns.size()) - 1;
        const int innerWidth =
            columns.controls[spanned] + columns.controlWidths[spanned] - columns.labels[0];
        int innerY = top + firstTwoColumnsRows(frame) * kRowPitch;
        for (const auto& inner : frame.frames) {
            const int innerHeight = measure(inner).height;
            place(inner, left, innerY, innerWidth, innerHeight);
            innerY += innerHeight + kFrameGapDown;
        }
        advance(std::max(grid.height(), innerY - kFrameGapDown - top));
    } else {
        int innerY = top;
        for (const auto& inner : frame.frames) {
            const int innerHeight = measure(inner).height;
            place(inner, left, innerY, contentWidth, innerHeight);
            innerY += innerHeight + kFrameGapDown;
        }
        advance(innerY - kFrameGapDown - top);
    }
    placeRows(frame.lowerRows, left, top, contentWidth);
    addButtons(frame.buttons, left + contentWidth, y + height - kInsetBottom - kButtonHeight,
               false);
}

// Each frame's share of the row's width: `widths` on entry are what each needs.
void shareWidth(std::vector<int>& widths, int available) {
    const int needed = std::accumulate(widths.begin(), widths.end(), 0);
    const int count = static_cast<int>(widths.size());
    const int extra = available - needed;
    for (int frame = 0; frame < count; ++frame) {
        widths[static_cast<std::size_t>(frame)] +=
            extra / count + (frame == count - 1 ? extra % count : 0);
    }
}

}  // namespace

std::span<const std::string_view> listEntries(const editions::Edition& edition,
                                              const camera::CatalogueRow& row) {
    if (edition.model.usesLongMenuRecord()) {
        const auto lists = editions::stcMenuLists();
        const auto list = static_cast<std::size_t>(row.slot);
        return list < lists.size() ? lists[list].entries : std::span<const std::string_view>();
    }
    for (const auto& list : editions::recordingLists(edition)) {
        if (list.field == camera::menuField(row)) {
            return list.entries;
        }
    }
    return {};
}

DialogLayout settingsDialog(const editions::Edition& edition, const TextWidth& textWidth,
                            ControlMetrics metrics) {
    DialogLayout dialog{.title = std::string(edition.title), .size = edition.language.settingsSize};
    const auto layout = editions::settingsLayout(edition);
    SettingsPlacer placer(edition, textWidth, metrics, dialog.items);
    const int available = dialog.size.width - 2 * kMarginAcross;

    // Both rows: each frame what it needs, and an even share of what is left. Where a font's texts
    // need more than the row has, its text fields give up width first: a field scrolls a longer
    // text, where a list or a label would cut its own.
    const auto placeRow = [&](const std::vector<LayoutFrame>& frames, int y, int height) {
        const int room = available - static_cast<int>(frames.size() - 1) * kFrameGapAcross;
        std::vector<int> widths;
        for (placer.editWidth = kEditMinimumWidth;; --placer.editWidth) {
            widths.clear();
            for (const auto& frame : frames) {
                widths.push_back(placer.measure(frame).width);
            }
            if (std::accumulate(widths.begin(), widths.end(), 0) <= room ||
                placer.editWidth == kEditNarrowestWidth) {
                break;
            }
        }
        shareWidth(widths, room);
        int x = kMarginAcross;
        for (std::size_t frame = 0; frame < frames.size(); ++frame) {
            placer.place(frames[frame], x, y, widths[frame], height);
            x += widths[frame] + kFrameGapAcross;
        }
    };
    int topHeight = 0;
    for (const auto& frame : layout.top) {
        topHeight = std::max(topHeight, placer.measure(frame).height);
    }
    placeRow(layout.top, kMarginDown, topHeight);
    const int bottomY = kMarginDown + topHeight + kFrameGapDown;
    placeRow(layout.bottom, bottomY, dialog.size.height - kMarginDown - bottomY);
    return dialog;
}

DialogLayout loginDialog(const editions::Edition& edition, const TextWidth& textWidth,
                         int bannerHeight, ControlMetrics metrics) {
    constexpr int kSide = 16;
    constexpr int kBelowBanner = 5;
    constexpr int kBottom = 7;

    const auto& texts = edition.language.login;
    const bool languageShown = edition.language.hasLanguageList;
    DialogLayout dialog{.title = std::string(edition.title), .size = edition.language.loginSize};
    const int width = dialog.size.width;
    dialog.items.push_back({.kind = ItemKind::picture,
                            .name = "bannerPicture",
                            .width = width,
                            .height = bannerHeight});

    struct Row {
        const char* name;
        std::string_view label;
        ItemKind kind;
        LoginControl control;
        bool shown;
    };
    const Row rows[] = {
        {"userType", texts.userTypeLabel, ItemKind::list, LoginControl::userTypeList, true},
        {"password", texts.passwordLabel, ItemKind::edit, LoginControl::passwordEdit, true},
        {"language", languageShown ? texts.languageLabel : "", ItemKind::list,
         LoginControl::languageList, languageShown},
    };
    int labelWidth = 0;
    for (const auto& row : rows) {
        if (row.shown) {
            labelWidth = std::max(labelWidth, textWidth(row.label));
        }
    }
    const int fieldLeft = kSide + labelWidth + kLabelGap + 1;
    int y = bannerHeight + kBelowBanner;
    for (const auto& row : rows) {
        const std::string name = row.name;
        dialog.items.push_back({.kind = ItemKind::label,
                                .text = std::string(row.label),
                                .name = name + "Label",
                                .x = kSide,
                                .y = y + kLabelTop,
                                .width = labelWidth,
                                .height = metrics.labelHeight,
                                .hidden = !row.shown});
        dialog.items.push_back({.kind = row.kind,
                                .name = name + (row.kind == ItemKind::list ? "List" : "Edit"),
                                .control = row.control,
                                .x = fieldLeft,
                                .y = y,
                                .width = width - kSide - fieldLeft,
                                .height = kRowHeight,
                                .hidden = !row.shown});
        if (row.shown) {
            y += kRowPitch;
        }
    }

    // Wide enough for the caption it gets once connected.
    const int connectWidth =
        std::max({kButtonMinimumWidth, textWidth(texts.connectButton) + kButtonPadding,
                  textWidth(texts.connectedButton) + kButtonPadding});
    const int loginWidth =
        std::max(kButtonMinimumWidth, textWidth(texts.loginButton) + kButtonPadding);
    const int buttonY = dialog.size.height - kBottom - kButtonHeight;
    dialog.items.push_back({.kind = ItemKind::button,
                            .text = std::string(texts.connectButton),
                            .name = "connectButton",
                            .control = LoginControl::connectButton,
                            .x = kSide,
                            .y = buttonY,
                            .width = connectWidth,
                            .height = kButtonHeight,
                            .defaultButton = true});
    dialog.items.push_back({.kind = ItemKind::button,
                            .text = std::string(texts.loginButton),
                            .name = "loginButton",
                            .control = LoginControl::loginButton,
                            .x = width - kSide - loginWidth,
                            .y = buttonY,
                            .width = loginWidth,
                            .height = kButtonHeight});
    return dialog;
}

}  // namespace window_logic
