// The desktop part of the real operating system, through Qt.
#include "platform/LinuxOs.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QSaveFile>

namespace zentolk::platform {

namespace {
// The program's texts are UTF-8, as the window hands them over.
QString fromBytes(const std::string& text) {
    return QString::fromStdString(text);
}
} // namespace

void LinuxOs::Beep() {
    QApplication::beep();
}

void LinuxOs::ShowMessage(const std::string& caption, const std::string& text, MessageKind kind) {
    QMessageBox::Icon icon = QMessageBox::Critical;
    if (kind == MessageKind::Warning)
        icon = QMessageBox::Warning;
    else if (kind == MessageKind::Information)
        icon = QMessageBox::Information;
    QMessageBox box(icon, fromBytes(caption), fromBytes(text), QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
}

bool LinuxOs::ClearClipboard() {
    QClipboard* clipboard = QApplication::clipboard();
    if (clipboard == nullptr)
        return false;
    clipboard->clear();
    return true;
}

bool LinuxOs::PutClipboardText(const std::string& text) {
    QClipboard* clipboard = QApplication::clipboard();
    if (clipboard == nullptr)
        return false;
    // Plain text only; CR LF stays as it is.
    clipboard->setText(fromBytes(text));
    return true;
}

bool LinuxOs::PutClipboardPicture(const std::string& png, const std::string& svg) {
    QClipboard* clipboard = QApplication::clipboard();
    if (clipboard == nullptr)
        return false;
    auto* data = new QMimeData;
    data->setImageData(QImage::fromData(reinterpret_cast<const uchar*>(png.data()),
                                        static_cast<int>(png.size()), "PNG"));
    data->setData(QStringLiteral("image/svg+xml"), QByteArray(svg.data(), qsizetype(svg.size())));
    clipboard->setMimeData(data);
    return true;
}

bool LinuxOs::WriteWholeFile(const std::string& path, const std::string& bytes) {
    // A new file beside the old one, renamed over it once written whole.
    QSaveFile file(fromBytes(path));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size())) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

void LinuxOs::OpenAddress(const std::string& address, std::function<void()> failed) {
    // xdg-open tells by its exit status whether anything could open the
    // address; the process object lives until then and reports only failure.
    auto* opener = new QProcess;
    opener->setProgram(QStringLiteral("xdg-open"));
    opener->setArguments({fromBytes(address)});
    opener->setStandardInputFile(QProcess::nullDevice());
    opener->setStandardOutputFile(QProcess::nullDevice());
    opener->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(opener, &QProcess::finished, opener,
                     [opener, failed](int exitCode, QProcess::ExitStatus status) {
                         if ((status != QProcess::NormalExit || exitCode != 0) && failed)
                             failed();
                         opener->deleteLater();
                     });
    QObject::connect(opener, &QProcess::errorOccurred, opener,
                     [opener, failed](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart)
                             return; // a crash or a lost pipe also ends in finished
                         if (failed)
                             failed();
                         opener->deleteLater();
                     });
    opener->start();
}

} // namespace zentolk::platform
