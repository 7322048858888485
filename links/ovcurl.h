#pragma once

#include <QColor>
#include <QLabel>
#include <functional>
#include <optional>

class QTimer;

namespace zentolk {

// A link label: underlined text that opens its address through the desktop
// on a click, turns to the highlight colour while the pointer is over it and,
// once clicked, rests in the visited colour.
class TOvcURL : public QLabel {
    Q_OBJECT

public:
    explicit TOvcURL(QWidget* parent = nullptr);
    ~TOvcURL() override;

    // The text shown; when empty, the address is shown instead.
    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    QString URL() const { return url_; }
    void SetURL(const QString& url);

    // An invalid colour stands for "no colour" and stores the font's colour.
    QColor HighlightColor() const { return highlight_; }
    void SetHighlightColor(const QColor& color);
    QColor VisitedColor() const { return visited_; }
    void SetVisitedColor(const QColor& color);
    bool UseVisitedColor() const { return useVisited_; }
    void SetUseVisitedColor(bool use) { useVisited_ = use; }
    bool UnderlineURL() const { return font().underline(); }
    void SetUnderlineURL(bool underline);
    QString About() const { return QStringLiteral("v4.06"); }
    void SetAbout(const QString&) {}

    QColor FontColor() const;
    void SetFontColor(const QColor& color);
    bool Hovered() const { return hoverTimer_ != nullptr; }
    // Runs while the pointer is over the label; null otherwise.
    QTimer* HoverTimer() const { return hoverTimer_; }

    // Where the pointer is, in screen coordinates. Replaceable because the
    // pointer position cannot be read reliably without a display.
    static std::function<QPoint()> PointerPosition;

    void Click();

signals:
    // After the address has been handed over.
    void OnClick(zentolk::TOvcURL* sender);

protected:
    bool event(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // Starts the hover timer; false when the system cannot supply one.
    virtual bool StartHoverTimer(QTimer& timer);

private:
    void showText();
    void hoverTick();

    QString caption_;
    QString url_;
    QColor highlight_{255, 0, 0};
    QColor visited_{0, 0, 0};
    bool useVisited_ = false;
    std::optional<QColor> normalColor_; // the resting colour, captured at the first hover
    QTimer* hoverTimer_ = nullptr;
    bool pressed_ = false;
};

} // namespace zentolk
