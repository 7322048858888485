// The yardstick for key_to_pixel: a plain Qt window of the same kind, whose
// focused field answers Up and Down by setting ten other fields, with no
// calculation and no program logic.
#include <QApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

namespace {
class StepField : public QLineEdit {
public:
    QLineEdit* fields[10] = {};

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() != Qt::Key_Up && event->key() != Qt::Key_Down) {
            QLineEdit::keyPressEvent(event);
            return;
        }
        step_ += event->key() == Qt::Key_Up ? 1 : -1;
        setText(QString::number(step_));
        for (int i = 0; i < 10; ++i)
            fields[i]->setText(QStringLiteral("reading %1 of step %2").arg(i).arg(step_));
    }

private:
    int step_ = 0;
};
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("windows"));
    QWidget window;
    auto* layout = new QGridLayout(&window);
    auto* input = new StepField;
    layout->addWidget(input, 0, 0, 1, 2);
    for (int i = 0; i < 10; ++i) {
        input->fields[i] = new QLineEdit;
        input->fields[i]->setReadOnly(true);
        layout->addWidget(input->fields[i], 1 + i / 2, i % 2);
    }
    window.resize(420, 330);
    window.show();
    window.activateWindow();
    input->setFocus();
    return app.exec();
}
