#include "viewer/Location.h"

#include "viewer/ChmFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <dlfcn.h>

namespace zentolk::viewer {

HelpLocation ParseLocation(const QString& location) {
    QString text = location.trimmed();
    for (const QLatin1String prefix : {QLatin1String("mk:@MSITStore:"), QLatin1String("ms-its:")})
        if (text.startsWith(prefix, Qt::CaseInsensitive))
            text.remove(0, prefix.size());
    // The window type comes last and never holds a path separator.
    const qsizetype window = text.lastIndexOf(QLatin1Char('>'));
    if (window >= 0 && text.indexOf(QLatin1Char('/'), window) < 0 &&
        text.indexOf(QLatin1Char('\\'), window) < 0)
        text.truncate(window);
    HelpLocation result;
    const qsizetype pages = text.indexOf(QLatin1String("::"));
    if (pages >= 0) {
        result.topic = NormalizeTopic(text.mid(pages + 2));
        text.truncate(pages);
    }
    result.file = text.trimmed();
    return result;
}

QStringList DataFolders(const QString& libraryPath) {
    const QDir libraryDir = QFileInfo(libraryPath).absoluteDir();
    const QString prefix = QDir::cleanPath(libraryDir.absoluteFilePath(QStringLiteral("../..")));
    return {prefix + QStringLiteral("/share/zentolk"), libraryDir.absolutePath()};
}

QString OwnLibraryPath() {
    // Any address inside this library will do.
    static const char Anchor = 0;
    Dl_info info{};
    if (dladdr(&Anchor, &info) == 0 || info.dli_fname == nullptr)
        return {};
    return QFileInfo(QFile::decodeName(info.dli_fname)).absoluteFilePath();
}

namespace {

QString FindByName(const QString& file, const QStringList& folders) {
    if (QFileInfo(file).isFile())
        return file;
    const QString name = QFileInfo(file).fileName();
    for (const QString& folder : folders) {
        const QString candidate = QDir(folder).filePath(name);
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    return {};
}

} // namespace

QString FindHelpFile(const QString& file, const QStringList& folders) {
    if (file.isEmpty())
        return {};
    if (QString found = FindByName(file, folders); !found.isEmpty())
        return found;
    // A build or package without a language's help still has the English one.
    static const QRegularExpression Language(QStringLiteral("\\.[A-Za-z]{2}(\\.chm)$"),
                                             QRegularExpression::CaseInsensitiveOption);
    QString untranslated = file;
    untranslated.replace(Language, QStringLiteral("\\1"));
    return untranslated == file ? QString() : FindByName(untranslated, folders);
}

} // namespace zentolk::viewer
