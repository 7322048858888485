#pragma once

#include <QDialog>

class QLabel;
class QFrame;
class QPushButton;

namespace zentolk {

class TOvcURL;

// The Internet resources dialog: the product page, the maker's catalogue and
// a donation page. Made once and only hidden when closed, so the links keep
// their visited colour for the whole run.
class TInternetFrm : public QDialog {
    Q_OBJECT

public:
    explicit TInternetFrm(QWidget* parent = nullptr);
    ~TInternetFrm() override;

private slots:
    void Button1Click();

private:
    QLabel* Panel3;
    QFrame* Panel4;
    QLabel *Label1, *Label6, *Label4;
    TOvcURL *OvcURL3, *OvcURL5, *OvcURL1;
    QPushButton* Button1;
};

} // namespace zentolk
