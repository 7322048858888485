#pragma once

#include "viewer/decoder/Protocol.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <optional>

namespace zentolk::viewer {

class DecoderProcess;

// One compiled help file, opened for reading. Paths inside it are written
// "/page.htm" and compared without regard to letter case. The file is decoded
// by a helper process (zentolk-chmread, beside this code's library), so a
// damaged or crafted file never makes a lookup fail harder than "not there"
// or "cannot be read". A helper that crashes is started again for the next
// lookup, a few times; one that hangs ends the reading of the file. So does
// a help request that takes longer than RequestMilliseconds in all: the file
// then cannot be read for the rest of the run, in any window.
class ChmFile {
public:
    // Null when the file cannot be opened or lacks the system record every
    // compiled help file carries.
    static std::unique_ptr<ChmFile> Open(const QString& path);
    // The helper program; by default the one beside this code's library.
    static void SetDecoderProgram(const QString& program);
    static QString DecoderProgram();
    ~ChmFile();
    ChmFile(const ChmFile&) = delete;
    ChmFile& operator=(const ChmFile&) = delete;

    // `path` names an object, never with a "#part" after it.
    bool Contains(const QString& path) const;
    // The whole object, or nothing when it is missing (then `missing` is set),
    // larger than `largest` bytes or cannot be read whole.
    std::optional<QByteArray> Read(const QString& path, bool* missing = nullptr,
                                   qsizetype largest = decoder::LargestObject) const;
    // The object's first `longest` bytes (all of it when it is shorter; then
    // `cut` is false). Memory goes to what is kept only.
    std::optional<QByteArray> ReadStart(const QString& path, qsizetype longest,
                                        bool* missing = nullptr, bool* cut = nullptr) const;
    // Whether reading has been given up on: everything now "cannot be read".
    bool Failed() const;

    // The pages the file holds ("/dir/page.htm"), in its own order; empty
    // when it holds none or cannot be read.
    QStringList Pages() const;

    // From the system record; empty when the file does not say.
    QString DefaultTopic() const { return defaultTopic_; }
    QString Title() const { return title_; }
    QString ContentsFile() const { return contentsFile_; }
    QString IndexFile() const { return indexFile_; }

    // The topic a context number is mapped to ("/page.htm"), when the file
    // maps it to a page it holds.
    std::optional<QString> TopicForContext(std::uint32_t context) const;

private:
    explicit ChmFile(const QString& path);
    bool Start() const;
    // Null when there is no answer to be had.
    // Of a longer answer only `keep` bytes are kept, and `cut` is set.
    std::optional<std::string> Ask(char kind, const QString& path, bool* missing,
                                   std::uint32_t keep = decoder::LargestObject,
                                   bool* cut = nullptr) const;
    // When the request under way must be answered; a request runs until the
    // program's event loop next gets control.
    long long RequestDeadline() const;
    void GiveUp() const;
    bool ReadSystemRecord();
    QString FindByExtension(const char* extension) const;

    QString path_;
    mutable std::unique_ptr<DecoderProcess> decoder_;
    mutable int startsLeft_ = 0;
    std::shared_ptr<long long> requestDeadline_;
    QString defaultTopic_;
    QString title_;
    QString contentsFile_;
    QString indexFile_;
};

// The time one help request may take, from its first question to the file
// to its last, answers and the page's layout between them included.
inline constexpr int RequestMilliseconds = 4000;

// "page.htm", "\dir\page.htm" or "/dir/page.htm" as "/dir/page.htm".
QString NormalizeTopic(const QString& topic);

// Text of a help file, whose pages may declare their own character set; text
// that declares none and is not valid UTF-8 is read as Latin-1.
QString DecodeHtml(const QByteArray& bytes);

} // namespace zentolk::viewer
