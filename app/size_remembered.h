#pragma once

#include <QComboBox>
#include <QEvent>
#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <optional>
#include <utility>

namespace app {

// A widget whose content the edition gives and the program does not change while laying out.
// Windows of an edition show the same texts every time they open, so the size the widget needs
// for its content is measured once per content, font and style and kept for the run: measuring
// means shaping the text, the largest cost of laying out a window.
template <typename Widget>
class SizeRemembered : public Widget {
  public:
    using Widget::Widget;

    QSize sizeHint() const override {
        return remembers() && !measuring_ ? measured().hint : Widget::sizeHint();
    }
    QSize minimumSizeHint() const override {
        return remembers() && !measuring_ ? measured().minimum : Widget::minimumSizeHint();
    }

  protected:
    virtual bool remembers() const { return true; }
    virtual QString content() const = 0;

  private:
    struct Sizes {
        QSize hint;
        QSize minimum;
    };

    // The sizes for the widget's content: its own last answer while the content is the same,
    // else the run's, measured when no widget has had this content yet.
    const Sizes& measured() const {
        const QString current = content();
        if (!mine_ || current != mineFor_) {
            static QHash<QString, Sizes> sizes;
            const QString key =
                this->font().key() + QChar(0x1F) + this->style()->name() + QChar(0x1F) + current;
            auto found = sizes.constFind(key);
            if (found == sizes.constEnd()) {
                // The widget's own measures may ask each other through these overrides.
                measuring_ = true;
                const Sizes measuredSizes{Widget::sizeHint(), Widget::minimumSizeHint()};
                measuring_ = false;
                found = sizes.insert(key, measuredSizes);
            }
            mine_ = *found;
            mineFor_ = current;
        }
        return *mine_;
    }

  protected:
    void changeEvent(QEvent* event) override {
        if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
            mine_.reset();
        }
        Widget::changeEvent(event);
    }

  private:
    mutable std::optional<Sizes> mine_;
    mutable QString mineFor_;
    mutable bool measuring_ = false;
};

// A field's label.
class CaptionLabel : public SizeRemembered<QLabel> {
  public:
    template <typename... Arguments>
    explicit CaptionLabel(Arguments&&... arguments)
        : SizeRemembered(std::forward<Arguments>(arguments)...) {
        // Texts are shown as they are written, never taken for markup.
        setTextFormat(Qt::PlainText);
    }

  protected:
    // A label that wraps has no one size: its height follows the width it is given.
    bool remembers() const override { return !wordWrap(); }
    QString content() const override { return text(); }
};

// A push button.
class CaptionButton : public SizeRemembered<QPushButton> {
  public:
    using SizeRemembered::SizeRemembered;

  protected:
    QString content() const override { return text(); }
};

// A list sized for its longest entry.
class CaptionList : public SizeRemembered<QComboBox> {
  public:
    using SizeRemembered::SizeRemembered;

  protected:
    QString content() const override {
        QString entries;
        for (int index = 0; index < count(); ++index) {
            entries += itemText(index) + QChar(0x1E);
        }
        return entries;
    }
};

}  // namespace app
