#pragma once

#include <QColor>
#include <QLabel>
#include <optional>

namespace zentolk {

// A link label: underlined text that opens its address through the desktop
// on a click or from the keyboard, turns to the highlight colour while the pointer is over it and,
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
    QColor VisitedColor() const { return visited_; }
    void SetVisitedColor(const QColor& color);
    bool UseVisitedColor() const { return useVisited_; }
    void SetUseVisitedColor(bool use) { useVisited_ = use; }

    QColor FontColor() const;
    void SetFontColor(const QColor& color);
    // The pointer is over the label, which shows the highlight colour.
    bool Hovered() const { return hovered_; }

    void Click();

signals:
    // After the address has been handed over.
    void OnClick(zentolk::TOvcURL* sender);

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // Reached by Tab: Return, Enter and Space follow the link, and the focus
    // shows as a dotted frame around the text.
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void showText();
    void StartHover();
    void EndHover();

    QString caption_;
    QString url_;
    const QColor highlight_{255, 0, 0};
    QColor visited_{0, 0, 0};
    bool useVisited_ = false;
    std::optional<QColor> normalColor_; // the resting colour, captured at the first hover
    bool hovered_ = false;
    bool pressed_ = false;
};

} // namespace zentolk
