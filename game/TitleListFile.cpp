// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
#include "TitleListFile.h"

#include "DecimalText.h"
#include "TitleRule.h"
#include "Utf8.h"

#include <cerrno>
#include <cstdint>
#include <optional>
#include <unordered_map>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t kNameMaxLength = 40;

TitleListReading refused(std::u32string failure)
{
    TitleListReading reading;
    reading.failure = std::move(failure);
    return reading;
}

std::u32string tooLarge()
{
    return U"es demasiado grande (más de 1 MiB)";
}

// Counts a refused line and keeps the first ones, which the player is told
// of: a file of a hundred thousand bad lines must not take a hundred
// thousand reasons.
void refuse(TitleListReading& reading, int line, std::u32string reason)
{
    ++reading.refusedCount;
    if (reading.refused.size() < kRefusedLinesKept)
        reading.refused.push_back({line, std::move(reason)});
}

bool isSkipped(std::string_view line)
{
    const std::size_t first = line.find_first_not_of(" \t");
    return first == std::string_view::npos || line[first] == '#';
}

// Why a file could not be opened, as the player would say it.
std::u32string openFailure(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR: return U"no existe";
    case EACCES:
    case EPERM: return U"no hay permiso para leerlo";
    case EISDIR: return U"es una carpeta, no un fichero";
    default: return U"no se puede leer";
    }
}

// Closes the file however the reading ends.
class OpenFile {
public:
    explicit OpenFile(const std::string& path)
        : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK))
    {
    }
    ~OpenFile()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    int fd() const { return fd_; }

private:
    int fd_;
};

// Reads at most `limit` bytes, or nothing when a read fails.
std::optional<std::string> readUpTo(int fd, std::size_t limit)
{
    std::string bytes(limit, '\0');
    std::size_t got = 0;
    while (got < limit) {
        const ssize_t n = ::read(fd, bytes.data() + got, limit - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);
    return bytes;
}

} // namespace

TitleListReading readTitleList(std::string_view bytes)
{
    if (bytes.size() > kTitleListMaxBytes)
        return refused(tooLarge());
    if (bytes.starts_with(kByteOrderMark))
        bytes.remove_prefix(kByteOrderMark.size());

    TitleListReading reading;
    std::unordered_map<std::u32string, int> lineOfTitle;
    int number = 0;
    while (!bytes.empty()) {
        ++number;
        const std::size_t end = bytes.find_first_of("\r\n");
        const std::string_view line = bytes.substr(0, end);
        std::size_t next = end == std::string_view::npos ? bytes.size() : end + 1;
        if (end != std::string_view::npos && bytes[end] == '\r' && next < bytes.size() && bytes[next] == '\n')
            ++next;
        bytes.remove_prefix(next);

        const std::optional<std::u32string> text = decodeUtf8(line);
        if (!text)
            return refused(U"no está en UTF-8 (la línea " + decimalText(number) + U" no lo es)");
        if (isSkipped(line))
            continue;
        TitleCheck check = checkTitle(*text);
        if (!check.playable()) {
            refuse(reading, number, std::move(check.refusal));
            continue;
        }
        const auto [listed, added] = lineOfTitle.try_emplace(check.title, number);
        if (!added) {
            refuse(reading, number, U"repite el título de la línea " + decimalText(listed->second));
            continue;
        }
        reading.titles.push_back(std::move(check.title));
    }
    if (reading.titles.empty())
        reading.failure = U"no tiene ningún título que se pueda jugar";
    return reading;
}

TitleListReading readTitleListFile(const std::string& path)
{
    const OpenFile file(path);
    if (file.fd() < 0)
        return refused(openFailure(errno));
    struct stat status {};
    if (::fstat(file.fd(), &status) != 0)
        return refused(U"no se puede leer");
    if (S_ISDIR(status.st_mode))
        return refused(openFailure(EISDIR));
    // A device or a pipe could be endless or never answer.
    if (!S_ISREG(status.st_mode))
        return refused(U"no es un fichero de texto");
    if (static_cast<std::uintmax_t>(status.st_size) > kTitleListMaxBytes)
        return refused(tooLarge());
    // One byte more than the limit tells a file that grew meanwhile.
    const std::optional<std::string> bytes = readUpTo(file.fd(), kTitleListMaxBytes + 1);
    if (!bytes)
        return refused(U"no se puede leer");
    return readTitleList(*bytes);
}

std::u32string titleListName(std::string_view path)
{
    const std::size_t slash = path.find_last_of('/');
    if (slash != std::string_view::npos && slash + 1 < path.size())
        path.remove_prefix(slash + 1);
    std::u32string name = decodeUtf8Lossy(path);
    for (char32_t& c : name) {
        const bool control = c < 0x20 || (c >= 0x7F && c <= 0x9F);
        const bool lineBreak = c == 0x2028 || c == 0x2029;
        const bool direction = c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) ||
                               (c >= 0x2066 && c <= 0x2069);
        if (control || lineBreak || direction)
            c = 0xFFFD;
    }
    if (name.size() > kNameMaxLength)
        name = name.substr(0, kNameMaxLength - 1) + U"…";
    return name;
}

} // namespace velmora
