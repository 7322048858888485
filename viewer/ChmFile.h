#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>

struct chmFile;

namespace zentolk::viewer {

// One compiled help file, opened for reading. Paths inside it are written
// "/page.htm" and compared without regard to letter case. A damaged file never
// makes a lookup fail harder than "not there" or "cannot be read".
class ChmFile {
public:
    // Null when the file cannot be opened or lacks the system record every
    // compiled help file carries.
    static std::unique_ptr<ChmFile> Open(const QString& path);
    ~ChmFile();
    ChmFile(const ChmFile&) = delete;
    ChmFile& operator=(const ChmFile&) = delete;

    // `path` names an object, never with a "#part" after it.
    bool Contains(const QString& path) const;
    // The whole object, or nothing when it is missing or cannot be read whole.
    std::optional<QByteArray> Read(const QString& path) const;

    // From the system record; empty when the file does not say.
    QString DefaultTopic() const { return defaultTopic_; }
    QString Title() const { return title_; }
    QString ContentsFile() const { return contentsFile_; }
    QString IndexFile() const { return indexFile_; }

    // The topic a context number is mapped to ("/page.htm"), when the file
    // maps it to a page it holds.
    std::optional<QString> TopicForContext(std::uint32_t context) const;

private:
    explicit ChmFile(::chmFile* handle) : handle_(handle) {}
    bool ReadSystemRecord();
    QString FindByExtension(const char* extension) const;

    ::chmFile* handle_;
    QString defaultTopic_;
    QString title_;
    QString contentsFile_;
    QString indexFile_;
};

// "page.htm", "\dir\page.htm" or "/dir/page.htm" as "/dir/page.htm".
QString NormalizeTopic(const QString& topic);

// Text of a help file, whose pages may declare their own character set; text
// that declares none and is not valid UTF-8 is read as Latin-1.
QString DecodeHtml(const QByteArray& bytes);

} // namespace zentolk::viewer
