#include "measured_sizes.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "size_remembered.h"

namespace {

// A button that counts how often its content is measured afresh.
class CountedButton : public ui::CaptionButton {
  public:
    CountedButton(ui::MeasuredSizes& sizes, const QString& text, int& measures)
        : CaptionButton(sizes, text), measures_(measures) {}

  protected:
    Sizes measure() const override {
        ++measures_;
        return CaptionButton::measure();
    }

  private:
    int& measures_;
};

TEST(MeasuredSizesTest, AContentIsMeasuredOnceForEveryWidgetThatShowsIt) {
    ui::MeasuredSizes sizes;
    int measures = 0;
    CountedButton first(sizes, QStringLiteral("Get"), measures);
    first.sizeHint();
    CountedButton second(sizes, QStringLiteral("Get"), measures);
    EXPECT_EQ(second.sizeHint(), first.sizeHint());
    EXPECT_EQ(measures, 1);

    second.setText(QStringLiteral("Set"));
    second.sizeHint();
    EXPECT_EQ(measures, 2);

    // Another application's sizes are its own.
    ui::MeasuredSizes otherSizes;
    CountedButton third(otherSizes, QStringLiteral("Get"), measures);
    third.sizeHint();
    EXPECT_EQ(measures, 3);
}

TEST(MeasuredSizesTest, KindsOfWidgetWithTheSameTextKeepTheirOwnSizes) {
    using Make = std::function<std::unique_ptr<QWidget>(ui::MeasuredSizes&)>;
    const QString text = QStringLiteral("Set Default");
    const Make kinds[] = {
        [&](ui::MeasuredSizes& sizes) { return std::make_unique<ui::CaptionLabel>(sizes, text); },
        [&](ui::MeasuredSizes& sizes) { return std::make_unique<ui::CaptionButton>(sizes, text); },
        [&](ui::MeasuredSizes& sizes) { return std::make_unique<ui::CaptionFrame>(sizes, text); },
        [&](ui::MeasuredSizes& sizes) {
            auto list = std::make_unique<ui::CaptionList>(sizes);
            list->addItem(text);
            return list;
        },
    };
    ui::MeasuredSizes shared;
    for (const Make& make : kinds) {
        make(shared)->sizeHint();
    }
    for (const Make& make : kinds) {
        ui::MeasuredSizes own;
        EXPECT_EQ(make(shared)->sizeHint(), make(own)->sizeHint())
            << make(own)->metaObject()->className();
    }
}

}  // namespace
