#include "measured_sizes.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "size_remembered.h"

namespace {

// A button that counts how often its content is measured afresh.
class CountedButton : public app::CaptionButton {
  public:
    CountedButton(app::MeasuredSizes& sizes, const QString& text, int& measures)
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
    app::MeasuredSizes sizes;
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
    app::MeasuredSizes otherSizes;
    CountedButton third(otherSizes, QStringLiteral("Get"), measures);
    third.sizeHint();
    EXPECT_EQ(measures, 3);
}

TEST(MeasuredSizesTest, KindsOfWidgetWithTheSameTextKeepTheirOwnSizes) {
    using Make = std::function<std::unique_ptr<QWidget>(app::MeasuredSizes&)>;
    const QString text = QStringLiteral("Set Default");
    const Make kinds[] = {
        [&](app::MeasuredSizes& sizes) { return std::make_unique<app::CaptionLabel>(sizes, text); },
        [&](app::MeasuredSizes& sizes) {
            return std::make_unique<app::CaptionButton>(sizes, text);
        },
        [&](app::MeasuredSizes& sizes) { return std::make_unique<app::CaptionFrame>(sizes, text); },
        [&](app::MeasuredSizes& sizes) {
            auto list = std::make_unique<app::CaptionList>(sizes);
            list->addItem(text);
            return list;
        },
    };
    app::MeasuredSizes shared;
    for (const Make& make : kinds) {
        make(shared)->sizeHint();
    }
    for (const Make& make : kinds) {
        app::MeasuredSizes own;
        EXPECT_EQ(make(shared)->sizeHint(), make(own)->sizeHint())
            << make(own)->metaObject()->className();
    }
}

}  // namespace
