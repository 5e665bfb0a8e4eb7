#pragma once

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QToolTip>
#include <QtMath>
#include <algorithm>
#include <optional>
#include <utility>

#include "measured_sizes.h"

namespace ui {

// A widget whose content the edition gives and the program does not change while laying out: the
// size it needs for its content comes from the sizes the application remembers.
template <typename Widget>
class SizeRemembered : public Widget {
  public:
    template <typename... Arguments>
    explicit SizeRemembered(MeasuredSizes& sizes, Arguments&&... arguments)
        : Widget(std::forward<Arguments>(arguments)...), sizes_(sizes) {}

    QSize sizeHint() const override { return measuring_ ? Widget::sizeHint() : measured().hint; }
    QSize minimumSizeHint() const override {
        return measuring_ ? Widget::minimumSizeHint() : measured().minimum;
    }

  protected:
    using Sizes = MeasuredSizes::Sizes;

    virtual QString content() const = 0;
    // What the content needs, measured afresh.
    virtual Sizes measure() const { return {Widget::sizeHint(), Widget::minimumSizeHint()}; }

  private:
    // The sizes for the widget's content: its own last answer while the content is the same,
    // else the application's, measured when no widget of its kind has had this content yet.
    const Sizes& measured() const {
        // A style sheet gives the widget its font when it is polished, as the toolkit's own size
        // hints see to first.
        this->ensurePolished();
        const QString current = content();
        if (!mine_ || current != mineFor_) {
            const MeasuredSizes::Key key{&Widget::staticMetaObject, this->font(),
                                         this->style()->name(), current};
            mine_ = sizes_.of(key, [this] {
                // The widget's own measures may ask each other through these overrides.
                measuring_ = true;
                const Sizes measuredSizes = measure();
                measuring_ = false;
                return measuredSizes;
            });
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
    MeasuredSizes& sizes_;
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
    QString content() const override { return wordWrap() ? text() + QChar(0x1D) : text(); }

    // A label that may wrap asks for the width of its one line, and takes more lines only where
    // its column has less room; its height for a width is the toolkit's.
    Sizes measure() const override {
        if (!wordWrap()) {
            return SizeRemembered::measure();
        }
        const QMargins margins = contentsMargins();
        return {fontMetrics().size(0, text()) +
                    QSize(margins.left() + margins.right(), margins.top() + margins.bottom()),
                QLabel::minimumSizeHint()};
    }
};

// A value the camera gives, in the room the layout made for the text the window opens with: a
// longer text is cut short with an ellipsis, and moves nothing. A screen reader reads it whole, and
// so does its tooltip.
class ValueLabel : public CaptionLabel {
  public:
    ValueLabel(MeasuredSizes& sizes, const QString& text, QWidget* parent)
        : CaptionLabel(sizes, text, parent), laidOutFor_(text) {}

  protected:
    // Marked apart from a caption of the same text, which measures the text it shows.
    QString content() const override { return laidOutFor_ + QChar(0x1C); }

    Sizes measure() const override {
        const QMargins margins = contentsMargins();
        const QSize size =
            fontMetrics().size(0, laidOutFor_) +
            QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
        return {size, size};
    }

    void paintEvent(QPaintEvent* event) override {
        if (!isCut()) {
            CaptionLabel::paintEvent(event);
            return;
        }
        QPainter painter(this);
        const QRect room = contentsRect();
        style()->drawItemText(
            &painter, room, QStyle::visualAlignment(layoutDirection(), alignment()), palette(),
            isEnabled(), fontMetrics().elidedText(text(), Qt::ElideRight, room.width()),
            foregroundRole());
    }

    bool event(QEvent* event) override {
        if (event->type() == QEvent::ToolTip && toolTip().isEmpty() && isCut()) {
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text(), this);
            return true;
        }
        return CaptionLabel::event(event);
    }

  private:
    bool isCut() const { return fontMetrics().horizontalAdvance(text()) > contentsRect().width(); }

    QString laidOutFor_;
};

// A frame's titled border.
class CaptionFrame : public SizeRemembered<QGroupBox> {
  public:
    using SizeRemembered::SizeRemembered;

  protected:
    QString content() const override { return title(); }
};

// A push button.
class CaptionButton : public SizeRemembered<QPushButton> {
  public:
    using SizeRemembered::SizeRemembered;

  protected:
    QString content() const override { return text(); }
};

// A list as wide as its longest entry, whichever entries the camera's answer puts in; its popup
// shows them whole too.
class CaptionList : public SizeRemembered<QComboBox> {
  public:
    using SizeRemembered::SizeRemembered;

    void showPopup() override {
        view()->setMinimumWidth(view()->sizeHintForColumn(0) + iconSize().width());
        QComboBox::showPopup();
    }

  protected:
    // The toolkit measures a list again when it first shows, and so has the window laid out a
    // second time; this list's measure does not change on showing.
    void showEvent(QShowEvent* event) override { QWidget::showEvent(event); }

    QString content() const override {
        QString entries;
        for (int index = 0; index < count(); ++index) {
            entries += itemText(index) + QChar(0x1E);
        }
        return entries;
    }

    // As the toolkit sizes a list to its contents, but without making the list's popup, which
    // costs more than the list itself and is needed only for the lists the user opens.
    Sizes measure() const override {
        const QFontMetrics metrics = fontMetrics();
        int width = count() == 0 ? 7 * metrics.horizontalAdvance(QLatin1Char('x')) : 0;
        for (int index = 0; index < count(); ++index) {
            width = std::max(width, metrics.horizontalAdvance(itemText(index)));
        }
        const int height = std::max(qCeil(QFontMetricsF(metrics).height()), 14) + 2;
        QStyleOptionComboBox option;
        initStyleOption(&option);
        const QSize hint =
            style()->sizeFromContents(QStyle::CT_ComboBox, &option, QSize(width, height), this);
        return {hint, hint};
    }
};

}  // namespace ui
