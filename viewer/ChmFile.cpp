#include "viewer/ChmFile.h"

#include "viewer/DecoderProcess.h"
#include "viewer/Location.h"
#include "viewer/decoder/Protocol.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringList>
#include <QTimer>
#include <algorithm>
#include <fcntl.h>
#include <string_view>
#include <unistd.h>

namespace zentolk::viewer {

namespace {
// Starts of the helper for one file: the first, and after crashes.
constexpr int MostStarts = 3;
// Longer paths are never in a help file (the decoder's own limit is 512).
constexpr qsizetype LongestPath = 512;
// The file's own records (system, context map, strings) are far smaller in
// any help file; two of them at once must not crowd the program's memory.
constexpr qsizetype LargestRecord = 16 * 1024 * 1024;

// Files given up on for taking too long, by absolute path: they stay
// unreadable for the run.
QStringList& GivenUp() {
    static QStringList paths;
    return paths;
}

QString& DecoderOverride() {
    static QString program;
    return program;
}

std::uint32_t Dword(const QByteArray& bytes, qsizetype at) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData() + at);
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}

std::uint16_t Word(const QByteArray& bytes, qsizetype at) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData() + at);
    return std::uint16_t(p[0] | p[1] << 8);
}

// A zero-terminated text inside a record, cut at the record's end when the
// terminator is missing.
QString TextAt(const QByteArray& bytes, qsizetype at, qsizetype end) {
    qsizetype stop = at;
    while (stop < end && bytes[stop] != '\0')
        ++stop;
    return DecodeHtml(bytes.mid(at, stop - at));
}
} // namespace

QString NormalizeTopic(const QString& topic) {
    QString path = topic.trimmed();
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!path.isEmpty() && !path.startsWith(QLatin1Char('/')))
        path.prepend(QLatin1Char('/'));
    return path;
}

QString DecodeHtml(const QByteArray& bytes) {
    QStringDecoder decoder = QStringDecoder::decoderForHtml(bytes);
    if (decoder.isValid()) {
        QString text = decoder.decode(bytes);
        if (!decoder.hasError())
            return text;
    }
    return QString::fromLatin1(bytes);
}

void ChmFile::SetDecoderProgram(const QString& program) {
    DecoderOverride() = program;
}

QString ChmFile::DecoderProgram() {
    if (!DecoderOverride().isEmpty())
        return DecoderOverride();
    return QFileInfo(OwnLibraryPath()).absoluteDir().filePath(QStringLiteral("zentolk-chmread"));
}

std::unique_ptr<ChmFile> ChmFile::Open(const QString& path) {
    std::unique_ptr<ChmFile> file(new ChmFile(QFileInfo(path).absoluteFilePath()));
    if (GivenUp().contains(file->path_) || !file->Start() || !file->ReadSystemRecord())
        return nullptr;
    if (file->contentsFile_.isEmpty())
        file->contentsFile_ = file->FindByExtension(".hhc");
    if (file->indexFile_.isEmpty())
        file->indexFile_ = file->FindByExtension(".hhk");
    return file;
}

ChmFile::ChmFile(const QString& path)
    : path_(path), startsLeft_(MostStarts), requestDeadline_(std::make_shared<long long>(-1)) {}

ChmFile::~ChmFile() = default;

bool ChmFile::Start() const {
    if (startsLeft_ <= 0)
        return false;
    --startsLeft_;
    // Opened here, with the program's rights: the decoder may have none to
    // open it with.
    const QByteArray name = QFile::encodeName(path_);
    const int fd = open(name.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    decoder_ = std::make_unique<DecoderProcess>(DecoderProgram().toStdString(),
                                                std::vector<std::string>{name.toStdString()},
                                                DecoderLimits{}, fd);
    if (fd >= 0)
        close(fd);
    if (decoder_->Ask(decoder::OpenQuestion, {}, RequestDeadline()).outcome ==
        DecoderProcess::Outcome::Yes)
        return true;
    if (decoder_->TimedOut())
        GiveUp();
    startsLeft_ = 0;
    decoder_.reset();
    return false;
}

long long ChmFile::RequestDeadline() const {
    if (*requestDeadline_ < 0) {
        *requestDeadline_ = DecoderProcess::NowMilliseconds() + RequestMilliseconds;
        QTimer::singleShot(0, [cell = std::weak_ptr<long long>(requestDeadline_)] {
            if (const std::shared_ptr<long long> deadline = cell.lock())
                *deadline = -1;
        });
    }
    return *requestDeadline_;
}

void ChmFile::GiveUp() const {
    startsLeft_ = 0;
    if (decoder_)
        decoder_.reset();
    if (!GivenUp().contains(path_))
        GivenUp().append(path_);
}

bool ChmFile::Failed() const {
    return startsLeft_ <= 0 && (!decoder_ || (!decoder_->Running() && !decoder_->Evicted()));
}

std::optional<std::string> ChmFile::Ask(char kind, const QString& path, bool* missing,
                                        std::uint32_t keep, bool* cut) const {
    if (missing != nullptr)
        *missing = false;
    if (cut != nullptr)
        *cut = false;
    const QByteArray name = path.toUtf8();
    if (name.size() > LongestPath || name.contains('\0')) {
        if (missing != nullptr)
            *missing = true;
        return std::nullopt;
    }
    const long long deadline = RequestDeadline();
    if (DecoderProcess::NowMilliseconds() >= deadline) {
        GiveUp();
        return std::nullopt;
    }
    // One that ended since the last answer is started again for this one.
    if (!decoder_ || !decoder_->Alive()) {
        // One stopped to make room for another starts again for free.
        if (decoder_ && decoder_->Evicted())
            ++startsLeft_;
        // A helper stopped for taking too long is not given another go: the
        // program waits on each answer.
        if ((decoder_ && decoder_->TimedOut()) || !Start()) {
            startsLeft_ = 0;
            return std::nullopt;
        }
    }
    DecoderProcess::Answer answer =
        decoder_->Ask(kind, std::string_view(name.constData(), name.size()), deadline, keep);
    if (decoder_->TimedOut()) {
        GiveUp();
        return std::nullopt;
    }
    if (answer.outcome == DecoderProcess::Outcome::No && missing != nullptr)
        *missing = true;
    if (answer.outcome != DecoderProcess::Outcome::Yes)
        return std::nullopt;
    if (cut != nullptr)
        *cut = answer.cut;
    return std::move(answer.data);
}

bool ChmFile::Contains(const QString& path) const {
    return Ask(decoder::ContainsQuestion, path, nullptr, 0).has_value();
}

std::optional<QByteArray> ChmFile::Read(const QString& path, bool* missing,
                                        qsizetype largest) const {
    bool cut = false;
    const std::optional<QByteArray> bytes = ReadStart(path, largest, missing, &cut);
    if (!bytes || cut)
        return std::nullopt;
    return bytes;
}

std::optional<QByteArray> ChmFile::ReadStart(const QString& path, qsizetype longest, bool* missing,
                                             bool* cut) const {
    const auto keep = std::uint32_t(std::clamp<qsizetype>(longest, 0, decoder::LargestObject));
    const std::optional<std::string> bytes = Ask(decoder::ReadQuestion, path, missing, keep, cut);
    if (!bytes)
        return std::nullopt;
    return QByteArray(bytes->data(), qsizetype(bytes->size()));
}

// Records of four-byte version, then code, length and data: 0 names the
// contents file, 1 the index, 2 the default topic and 3 the title.
bool ChmFile::ReadSystemRecord() {
    const std::optional<QByteArray> system =
        Read(QStringLiteral("/#SYSTEM"), nullptr, LargestRecord);
    if (!system || system->size() < 4)
        return false;
    const QByteArray& bytes = *system;
    qsizetype at = 4;
    while (at + 4 <= bytes.size()) {
        const std::uint16_t code = Word(bytes, at);
        const qsizetype end = std::min(bytes.size(), at + 4 + Word(bytes, at + 2));
        const QString text = TextAt(bytes, at + 4, end);
        switch (code) {
        case 0:
            contentsFile_ = NormalizeTopic(text);
            break;
        case 1:
            indexFile_ = NormalizeTopic(text);
            break;
        case 2:
            defaultTopic_ = NormalizeTopic(text);
            break;
        case 3:
            title_ = text;
            break;
        default:
            break;
        }
        at = end;
    }
    return true;
}

QStringList ChmFile::Pages() const {
    // The most a list can hold, read a line at a time: a list of nothing but
    // line ends costs its bound, not its length.
    constexpr std::uint32_t LongestList = decoder::MostListed * (LongestPath + 1);
    const std::optional<std::string> listed =
        Ask(decoder::ListQuestion, QString(), nullptr, LongestList);
    if (!listed)
        return {};
    QStringList pages;
    std::string_view rest(*listed);
    while (!rest.empty() && pages.size() < qsizetype(decoder::MostListed)) {
        const std::size_t end = std::min(rest.find('\n'), rest.size());
        const QString line = QString::fromUtf8(rest.data(), qsizetype(end));
        rest.remove_prefix(std::min(end + 1, rest.size()));
        if (!line.isEmpty() && line.size() <= LongestPath)
            pages.append(line);
    }
    return pages;
}

QString ChmFile::FindByExtension(const char* extension) const {
    bool cut = false;
    const std::optional<std::string> found =
        Ask(decoder::FindQuestion, QString::fromLatin1(extension), nullptr, LongestPath, &cut);
    if (!found || cut)
        return {};
    return QString::fromUtf8(found->data(), qsizetype(found->size()));
}

// The map holds pairs of context number and offset into the strings, where
// the compiler may have stored the page's whole path on the machine that
// built it: the longest tail of that path that the file holds is the topic.
std::optional<QString> ChmFile::TopicForContext(std::uint32_t context) const {
    const std::optional<QByteArray> map = Read(QStringLiteral("/#IVB"), nullptr, LargestRecord);
    const std::optional<QByteArray> strings =
        Read(QStringLiteral("/#STRINGS"), nullptr, LargestRecord);
    if (!map || !strings || map->size() < 4)
        return std::nullopt;
    const qsizetype end = std::min<qsizetype>(map->size(), 4 + qsizetype(Dword(*map, 0)));
    for (qsizetype at = 4; at + 8 <= end; at += 8) {
        if (Dword(*map, at) != context)
            continue;
        const std::uint32_t offset = Dword(*map, at + 4);
        if (offset >= std::uint32_t(strings->size()))
            return std::nullopt;
        QString stored = TextAt(*strings, qsizetype(offset), strings->size());
        const qsizetype hash = stored.indexOf(QLatin1Char('#'));
        const QString fragment = hash < 0 ? QString() : stored.mid(hash);
        stored.truncate(hash < 0 ? stored.size() : hash);
        const QStringList parts =
            NormalizeTopic(stored).split(QLatin1Char('/'), Qt::SkipEmptyParts);
        for (qsizetype first = 0; first < parts.size(); ++first) {
            const QString topic = QLatin1Char('/') + parts.mid(first).join(QLatin1Char('/'));
            if (Contains(topic))
                return topic + fragment;
        }
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace zentolk::viewer
