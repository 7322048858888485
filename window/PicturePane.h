#pragma once

#include "engine/AlmanacDay.h"
#include "picture/Picture.h"
#include "picture/Svg.h"

#include <QFont>
#include <QImage>
#include <QPointF>
#include <QTransform>
#include <QWidget>
#include <optional>
#include <string>

class QPainter;
class QPushButton;

namespace zentolk {

// The inks of a palette: its text on its base, with the link colour, made
// lighter or darker towards the text's where it would not stand out, for
// what is marked.
picture::Inks InksOf(const QPalette& palette);

// A text as drawn when texts are drawn at least `leastText` high (in the
// picture's units): at its own size or larger within its room, from
// `baseline` in the frame that `turn` takes to the picture's.
struct PlacedText {
    QFont font;
    QPointF baseline;
    QTransform turn;
};
PlacedText PlaceText(const picture::Shape& text, const QFont& base, double leastText);

// Draws the picture to fit `target`, centred, keeping its proportions;
// texts are never smaller than the painter's font.
void DrawPicture(QPainter& painter, const picture::Picture& picture, const picture::Inks& inks,
                 const QRectF& target);

// One picture of the Almanac's day, drawn to fit the widget in the palette's
// colours; its accessible description is the picture in words.
class TPictureView : public QWidget {
    Q_OBJECT

public:
    TPictureView(picture::PictureKind kind, const QString& name);

    void ShowDay(const AlmanacDay& day);
    void ClearDay();
    bool HasDay() const { return picture_.has_value(); }

    // The picture at `scale` pixels a unit, on its paper; and as SVG.
    QImage Image(double scale) const;
    std::string Svg() const;
    // A file name for it, such as "long-count 9.12.11.5.18".
    QString FileStem() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    picture::PictureKind kind_;
    std::optional<picture::Picture> picture_;
    QString stem_;
};

// The Almanac's Picture tab: the day's Long Count and Calendar Round
// pictures, each with Copy (the image on the clipboard) and Save as PNG or
// SVG.
class TPicturePane : public QWidget {
    Q_OBJECT

public:
    TPicturePane();

    void ShowDay(const AlmanacDay& day);
    void ClearDay();

    // Its controls in the order Tab visits them.
    QList<QWidget*> TabChain() const;

    TPictureView* LongCountPicture() const { return LongCountPicture_; }
    TPictureView* CalendarRoundPicture() const { return CalendarRoundPicture_; }

    // Copies a picture to the clipboard; false (after the error box) when
    // the clipboard cannot be had.
    bool CopyPicture(const TPictureView& view);
    // Writes the picture to `path` as SVG when it ends in ".svg", else PNG.
    bool SavePicture(const TPictureView& view, const QString& path);

private:
    void AskAndSave(const TPictureView& view);

    TPictureView *LongCountPicture_, *CalendarRoundPicture_;
    QPushButton *CopyLongCount, *SaveLongCount, *CopyCalendarRound, *SaveCalendarRound;
};

} // namespace zentolk
