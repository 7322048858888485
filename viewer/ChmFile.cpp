#include "ChmFile.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringList>
#include <algorithm>
#include <chm_lib.h>

namespace zentolk::viewer {

namespace {
// A damaged directory can claim any length; nothing in a help file is this big.
constexpr LONGUINT64 kLargestObject = 64u * 1024u * 1024u;

bool Resolve(::chmFile* handle, const QString& path, chmUnitInfo& unit) {
    const QByteArray name = path.toUtf8();
    if (name.size() >= CHM_MAX_PATHLEN)
        return false;
    return chm_resolve_object(handle, name.constData(), &unit) == CHM_RESOLVE_SUCCESS;
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

std::unique_ptr<ChmFile> ChmFile::Open(const QString& path) {
    ::chmFile* handle = chm_open(QFile::encodeName(path).constData());
    if (handle == nullptr)
        return nullptr;
    std::unique_ptr<ChmFile> file(new ChmFile(handle));
    if (!file->ReadSystemRecord())
        return nullptr;
    if (file->contentsFile_.isEmpty())
        file->contentsFile_ = file->FindByExtension(".hhc");
    if (file->indexFile_.isEmpty())
        file->indexFile_ = file->FindByExtension(".hhk");
    return file;
}

ChmFile::~ChmFile() {
    chm_close(handle_);
}

bool ChmFile::Contains(const QString& path) const {
    chmUnitInfo unit{};
    return Resolve(handle_, path, unit);
}

std::optional<QByteArray> ChmFile::Read(const QString& path) const {
    chmUnitInfo unit{};
    if (!Resolve(handle_, path, unit) || unit.length > kLargestObject)
        return std::nullopt;
    QByteArray bytes(qsizetype(unit.length), '\0');
    if (unit.length == 0)
        return bytes;
    const LONGINT64 got = chm_retrieve_object(
        handle_, &unit, reinterpret_cast<unsigned char*>(bytes.data()), 0, LONGINT64(unit.length));
    if (got != LONGINT64(unit.length))
        return std::nullopt;
    return bytes;
}

// Records of four-byte version, then code, length and data: 0 names the
// contents file, 1 the index, 2 the default topic and 3 the title.
bool ChmFile::ReadSystemRecord() {
    const std::optional<QByteArray> system = Read(QStringLiteral("/#SYSTEM"));
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

QString ChmFile::FindByExtension(const char* extension) const {
    struct Search {
        QByteArray extension;
        QString found;
    } search{QByteArray(extension), {}};
    chm_enumerate_dir(
        handle_, "/", CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_FILES,
        [](::chmFile*, chmUnitInfo* unit, void* context) {
            auto* s = static_cast<Search*>(context);
            if (QByteArray(unit->path).toLower().endsWith(s->extension)) {
                s->found = QString::fromUtf8(unit->path);
                return CHM_ENUMERATOR_SUCCESS;
            }
            return CHM_ENUMERATOR_CONTINUE;
        },
        &search);
    return search.found;
}

// The map holds pairs of context number and offset into the strings, where
// the compiler may have stored the page's whole path on the machine that
// built it: the longest tail of that path that the file holds is the topic.
std::optional<QString> ChmFile::TopicForContext(std::uint32_t context) const {
    const std::optional<QByteArray> map = Read(QStringLiteral("/#IVB"));
    const std::optional<QByteArray> strings = Read(QStringLiteral("/#STRINGS"));
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
