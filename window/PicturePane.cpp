#include "window/PicturePane.h"

#include "engine/Epigraphy.h"
#include "platform/Os.h"
#include "ui/Colours.h"
#include "ui/ProgramServices.h"
#include "ui/Translations.h"
#include "window/PageControls.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QBuffer>
#include <QEvent>
#include <QFileDialog>
#include <QFontInfo>
#include <QGridLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <algorithm>
#include <cmath>

namespace zentolk {

namespace {
std::string hex(const QColor& c) {
    return c.name(QColor::HexRgb).toStdString();
}

QColor colourOf(picture::Ink ink, const picture::Inks& inks) {
    switch (ink) {
    case picture::Ink::Text:
        return QColor(QString::fromStdString(inks.text));
    case picture::Ink::Accent:
        return QColor(QString::fromStdString(inks.accent));
    case picture::Ink::Faint:
        return QColor(QString::fromStdString(inks.faint));
    case picture::Ink::Paper:
        return QColor(QString::fromStdString(inks.paper));
    case picture::Ink::None:
        break;
    }
    return Qt::transparent;
}

// Texts are drawn at least `leastText` high (in the picture's units).
void drawShape(QPainter& p, const picture::Shape& s, const picture::Inks& inks, double leastText) {
    using picture::Kind;
    QPen pen(Qt::NoPen);
    if (s.stroke != picture::Ink::None) {
        pen = QPen(colourOf(s.stroke, inks), s.strokeWidth);
        pen.setCapStyle(Qt::RoundCap);
    }
    p.setPen(pen);
    p.setBrush(s.fill == picture::Ink::None ? QBrush(Qt::NoBrush) : QBrush(colourOf(s.fill, inks)));
    switch (s.kind) {
    case Kind::Rect:
        p.drawRoundedRect(QRectF(s.x, s.y, s.w, s.h), s.corner, s.corner);
        break;
    case Kind::Ellipse:
        p.drawEllipse(QPointF(s.x, s.y), s.w, s.h);
        break;
    case Kind::Shell: {
        // The same outline and ridges as the SVG's path.
        QPainterPath path;
        path.addEllipse(QPointF(s.x, s.y), s.w, s.h);
        path.moveTo(s.x - 0.6 * s.w, s.y - 0.15 * s.h);
        path.quadTo(s.x, s.y + 0.75 * s.h, s.x + 0.6 * s.w, s.y - 0.15 * s.h);
        path.moveTo(s.x - 0.3 * s.w, s.y - 0.6 * s.h);
        path.quadTo(s.x, s.y - 0.1 * s.h, s.x + 0.3 * s.w, s.y - 0.6 * s.h);
        p.drawPath(path);
        break;
    }
    case Kind::Line:
        p.drawLine(QPointF(s.x, s.y), QPointF(s.w, s.h));
        break;
    case Kind::Text: {
        const PlacedText placed = PlaceText(s, p.font(), leastText);
        p.setFont(placed.font);
        p.setPen(colourOf(s.fill, inks));
        p.save();
        p.setTransform(placed.turn, true);
        p.drawText(placed.baseline, QString::fromStdString(s.text));
        p.restore();
        break;
    }
    }
}

// Screen readers meet a picture as a graphic named by its kind and
// described in words.
QAccessibleInterface* pictureAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("zentolk::TPictureView") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
    return nullptr;
}

} // namespace

PlacedText PlaceText(const picture::Shape& text, const QFont& base, double leastText) {
    // Grown no further than its room, so that labels never run into each other.
    const double grown = text.room > 0 ? std::min(leastText, text.room) : leastText;
    const double size = std::max(text.size, grown);
    PlacedText placed{base, {}, {}};
    placed.font.setPixelSize(std::max(1, static_cast<int>(std::lround(size))));
    placed.font.setBold(text.bold);
    const double width =
        QFontMetricsF(placed.font).horizontalAdvance(QString::fromStdString(text.text));
    const double dx = text.anchor == picture::Anchor::Start    ? 0
                      : text.anchor == picture::Anchor::Middle ? -width / 2
                                                               : -width;
    placed.baseline = QPointF(dx, picture::TextMiddleShift * size);
    placed.turn.translate(text.x, text.y);
    placed.turn.rotate(text.angle);
    return placed;
}

picture::Inks InksOf(const QPalette& palette) {
    const QColor base = palette.color(QPalette::Base);
    const QColor text = ReadableOn(base, palette.color(QPalette::Text));
    // Every mark and label reads as text does. A link colour too close to
    // the base is moved towards the text until it does, so that the day's
    // marks keep a colour of their own; the faint rims and labels likewise.
    const QColor accent = ReadableTowards(base, palette.color(QPalette::Link), text);
    const QColor faint = ReadableTowards(base, Mixed(text, base, 0.55), text);
    return {hex(text), hex(accent), hex(faint), hex(base)};
}

void DrawPicture(QPainter& painter, const picture::Picture& picture, const picture::Inks& inks,
                 const QRectF& target) {
    if (picture.width <= 0 || picture.height <= 0)
        return;
    const double scale = std::min(target.width() / picture.width, target.height() / picture.height);
    // Labels are read like the window's text: never smaller than its font.
    const double leastText = QFontInfo(painter.font()).pixelSize() / scale;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(target.x() + (target.width() - picture.width * scale) / 2,
                      target.y() + (target.height() - picture.height * scale) / 2);
    painter.scale(scale, scale);
    painter.fillRect(QRectF(0, 0, picture.width, picture.height),
                     colourOf(picture::Ink::Paper, inks));
    for (const picture::Group& g : picture.groups)
        for (const picture::Shape& s : g.shapes)
            drawShape(painter, s, inks, leastText);
    painter.restore();
}

TPictureView::TPictureView(picture::PictureKind kind, const QString& name) : kind_(kind) {
    static const bool installed = (QAccessible::installFactory(pictureAccessible), true);
    (void)installed;
    setAccessibleName(name);
    setFocusPolicy(Qt::StrongFocus); // so that a screen reader reaches its words
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    ClearDay();
}

void TPictureView::ShowDay(const AlmanacDay& day) {
    picture_ = picture::PictureOf(kind_, day, InterfaceLanguage());
    const bool longCount = kind_ == picture::PictureKind::LongCount;
    stem_ = (longCount ? tr("long-count %1") : tr("calendar-round %1"))
                .arg(QString::fromStdString(longCount ? InscribedText(day.dayCount)
                                                      : CalendarRoundText(day.tzolkin, day.haab)));
    setAccessibleDescription(QString::fromStdString(picture_->title));
    update();
}

void TPictureView::ClearDay() {
    picture_.reset();
    setAccessibleDescription(tr("No day is shown."));
    update();
}

QImage TPictureView::Image(double scale) const {
    if (!picture_)
        return {};
    const picture::Inks inks = InksOf(palette());
    QImage image(QSize(static_cast<int>(std::ceil(picture_->width * scale)),
                       static_cast<int>(std::ceil(picture_->height * scale))),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(colourOf(picture::Ink::Paper, inks));
    QPainter painter(&image);
    painter.setFont(font());
    DrawPicture(painter, *picture_, inks, QRectF(QPointF(0, 0), image.size()));
    return image;
}

std::string TPictureView::Svg() const {
    return picture_ ? picture::SvgOf(*picture_, InksOf(palette())) : std::string();
}

QString TPictureView::FileStem() const {
    return stem_;
}

QSize TPictureView::sizeHint() const {
    return kind_ == picture::PictureKind::LongCount ? QSize(140, 260) : QSize(125, 260);
}

QSize TPictureView::minimumSizeHint() const {
    return {60, 60};
}

void TPictureView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRectF area = QRectF(rect()).adjusted(3, 3, -3, -3);
    if (picture_) {
        DrawPicture(painter, *picture_, InksOf(palette()), area);
    } else {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, accessibleDescription());
    }
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.backgroundColor = palette().color(QPalette::Window);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void TPictureView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange)
        update();
    QWidget::changeEvent(event);
}

TPicturePane::TPicturePane() {
    setObjectName(QStringLiteral("PicturePane"));
    LongCountPicture_ = new TPictureView(picture::PictureKind::LongCount, tr("Long Count picture"));
    LongCountPicture_->setObjectName(QStringLiteral("LongCountPicture"));
    CalendarRoundPicture_ =
        new TPictureView(picture::PictureKind::CalendarRound, tr("Calendar Round picture"));
    CalendarRoundPicture_->setObjectName(QStringLiteral("CalendarRoundPicture"));
    CopyLongCount = PushButton("CopyLongCount", tr("&Copy"), tr("Copy the Long Count picture"));
    SaveLongCount =
        PushButton("SaveLongCount", tr("&Save as..."), tr("Save the Long Count picture"));
    CopyCalendarRound =
        PushButton("CopyCalendarRound", tr("Co&py"), tr("Copy the Calendar Round picture"));
    SaveCalendarRound =
        PushButton("SaveCalendarRound", tr("Sa&ve as..."), tr("Save the Calendar Round picture"));

    // Two columns, each picture over its buttons.
    auto* grid = new QGridLayout(this);
    grid->addWidget(LongCountPicture_, 0, 0, 1, 2);
    grid->addWidget(CopyLongCount, 1, 0);
    grid->addWidget(SaveLongCount, 1, 1);
    grid->addWidget(CalendarRoundPicture_, 0, 2, 1, 2);
    grid->addWidget(CopyCalendarRound, 1, 2);
    grid->addWidget(SaveCalendarRound, 1, 3);
    for (int column = 0; column < 4; ++column)
        grid->setColumnStretch(column, 1);
    grid->setRowStretch(0, 1);

    connect(CopyLongCount, &QPushButton::clicked, this,
            [this] { CopyPicture(*LongCountPicture_); });
    connect(CopyCalendarRound, &QPushButton::clicked, this,
            [this] { CopyPicture(*CalendarRoundPicture_); });
    connect(SaveLongCount, &QPushButton::clicked, this, [this] { AskAndSave(*LongCountPicture_); });
    connect(SaveCalendarRound, &QPushButton::clicked, this,
            [this] { AskAndSave(*CalendarRoundPicture_); });
    ClearDay();
}

QList<QWidget*> TPicturePane::TabChain() const {
    return {LongCountPicture_,     CopyLongCount,     SaveLongCount,
            CalendarRoundPicture_, CopyCalendarRound, SaveCalendarRound};
}

void TPicturePane::ShowDay(const AlmanacDay& day) {
    LongCountPicture_->ShowDay(day);
    CalendarRoundPicture_->ShowDay(day);
    for (QPushButton* b : {CopyLongCount, SaveLongCount, CopyCalendarRound, SaveCalendarRound})
        b->setEnabled(true);
}

void TPicturePane::ClearDay() {
    LongCountPicture_->ClearDay();
    CalendarRoundPicture_->ClearDay();
    for (QPushButton* b : {CopyLongCount, SaveLongCount, CopyCalendarRound, SaveCalendarRound})
        b->setEnabled(false);
}

bool TPicturePane::CopyPicture(const TPictureView& view) {
    if (!view.HasDay())
        return false;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    view.Image(2).save(&buffer, "PNG");
    if (!platform::CurrentOs().PutClipboardPicture(png.toStdString(), view.Svg())) {
        ReportError(
            tr("The clipboard cannot be opened, so the picture was not copied").toStdString());
        return false;
    }
    return true;
}

bool TPicturePane::SavePicture(const TPictureView& view, const QString& path) {
    std::string bytes;
    if (path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        bytes = view.Svg();
    } else {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        view.Image(2).save(&buffer, "PNG");
        bytes = png.toStdString();
    }
    if (bytes.empty() || !platform::CurrentOs().WriteWholeFile(path.toStdString(), bytes)) {
        ReportError(tr("The picture could not be saved as %1").arg(path).toStdString());
        return false;
    }
    return true;
}

void TPicturePane::AskAndSave(const TPictureView& view) {
    if (!view.HasDay())
        return;
    const QString png = tr("PNG image (*.png)"), svg = tr("SVG image (*.svg)");
    // Titled as the button that asked.
    const QPushButton* asked = &view == LongCountPicture_ ? SaveLongCount : SaveCalendarRound;
    QFileDialog dialog(window(), asked->accessibleName());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({png, svg});
    // The suffix is added before the dialog asks whether to replace a file.
    dialog.setDefaultSuffix(QStringLiteral("png"));
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, svg](const QString& f) {
        dialog.setDefaultSuffix(f == svg ? QStringLiteral("svg") : QStringLiteral("png"));
    });
    dialog.selectFile(view.FileStem() + QStringLiteral(".png"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    QString path = dialog.selectedFiles().constFirst();
    SavePicture(view, path);
}

} // namespace zentolk
