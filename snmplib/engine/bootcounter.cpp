#include "snmplib/engine/bootcounter.h"

#include "snmplib/engine/snmperrs.h"

#include <cerrno>
#include <cstdio>
#include <string>
#include <vector>

namespace {

// The engine ID text and the count of a counter line; false for comments, blank
// lines and lines that are not "<id> <number>".
bool splitLine(const std::string& line, std::string& id, std::string& count)
{
    std::size_t i = 0;
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
        ++i;
    if (i == line.size() || line[i] == '#')
        return false;
    const std::size_t idStart = i;
    while (i < line.size() && line[i] != ' ' && line[i] != '\t')
        ++i;
    id = line.substr(idStart, i - idStart);
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
        ++i;
    const std::size_t countStart = i;
    while (i < line.size() && line[i] != ' ' && line[i] != '\t')
        ++i;
    count = line.substr(countStart, i - countStart);
    return true;
}

bool parseCount(const std::string& text, unsigned int& value)
{
    if (text.empty() || text.size() > 10)
        return false;
    unsigned long long v = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        v = v * 10 + static_cast<unsigned>(c - '0');
    }
    if (v > 0xFFFFFFFFull)
        return false;
    value = static_cast<unsigned int>(v);
    return true;
}

// Reads the whole file as lines (without line ends, CR LF or LF). Returns SNMPv3_OK,
// SNMPv3_FILEOPEN_ERROR, or SNMPv3_FILEREAD_ERROR; missing is set when the file does
// not exist.
int readLines(const char* fileName, std::vector<std::string>& lines, bool* missing = nullptr)
{
    std::FILE* file = std::fopen(fileName, "rb");
    if (!file) {
        if (missing)
            *missing = (errno == ENOENT);
        return SNMPv3_FILEOPEN_ERROR;
    }
    std::string content;
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        content.append(buffer, n);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed)
        return SNMPv3_FILEREAD_ERROR;
    std::size_t start = 0;
    while (start < content.size()) {
        std::size_t end = content.find('\n', start);
        if (end == std::string::npos)
            end = content.size();
        // Every CR before the line end goes: a line is read the same before and after a
        // save writes it back with a bare LF.
        std::string line = content.substr(start, end - start);
        while (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return SNMPv3_OK;
}

} // namespace

std::string encodeBootCounterEngineId(const OctetStr& engineId)
{
    std::string text;
    text.reserve(engineId.len() * 2);
    for (std::size_t i = 0; i < engineId.len(); ++i) {
        text += static_cast<char>('@' + (engineId[i] >> 4));
        text += static_cast<char>('@' + (engineId[i] & 0x0F));
    }
    return text;
}

int getBootCounter(const char* fileName, const OctetStr& engineId, unsigned int& boots)
{
    boots = 0;
    if (!fileName || !*fileName || engineId.len() == 0)
        return SNMPv3_BAD_ARGUMENT_ERROR;
    std::vector<std::string> lines;
    const int status = readLines(fileName, lines);
    if (status != SNMPv3_OK)
        return status;
    const std::string wanted = encodeBootCounterEngineId(engineId);
    for (const std::string& line : lines) {
        std::string id, count;
        if (!splitLine(line, id, count) || id != wanted)
            continue;
        unsigned int value = 0;
        if (!parseCount(count, value))
            return SNMPv3_FILEREAD_ERROR; // our own line is damaged
        boots = value;
        return SNMPv3_OK;
    }
    return SNMPv3_NO_ENTRY_ERROR;
}

int saveBootCounter(const char* fileName, const OctetStr& engineId, unsigned int boots)
{
    if (!fileName || !*fileName || engineId.len() == 0)
        return SNMPv3_BAD_ARGUMENT_ERROR;
    std::vector<std::string> lines;
    bool missing = false;
    const int status = readLines(fileName, lines, &missing);
    if (status == SNMPv3_FILEOPEN_ERROR && missing) {
        lines.clear();
        lines.push_back("# SNMPv3 engine boots counters: <engine ID, two characters per octet> <boots>");
    } else if (status != SNMPv3_OK) {
        return status; // never overwrite a file that could not be read
    }
    const std::string id = encodeBootCounterEngineId(engineId);
    const std::string ours = id + " " + std::to_string(boots);
    bool placed = false;
    std::vector<std::string> out;
    out.reserve(lines.size() + 1);
    for (const std::string& line : lines) {
        std::string lineId, count;
        if (splitLine(line, lineId, count) && lineId == id) {
            if (!placed)
                out.push_back(ours);
            placed = true;
            continue;
        }
        out.push_back(line);
    }
    // A trailing empty line comes from the final line end; keep the file tidy.
    while (!out.empty() && out.back().empty())
        out.pop_back();
    if (!placed)
        out.push_back(ours);

    const std::string tmpName = std::string(fileName) + ".tmp";
    std::FILE* file = std::fopen(tmpName.c_str(), "wb");
    if (!file)
        return SNMPv3_FILECREATE_ERROR;
    bool ok = true;
    for (const std::string& line : out) {
        ok = ok && std::fwrite(line.data(), 1, line.size(), file) == line.size();
        ok = ok && std::fputc('\n', file) != EOF;
    }
    ok = (std::fclose(file) == 0) && ok;
    if (!ok) {
        std::remove(tmpName.c_str());
        return SNMPv3_FILECREATE_ERROR;
    }
    if (std::rename(tmpName.c_str(), fileName) != 0) {
        std::remove(tmpName.c_str());
        return SNMPv3_FILERENAME_ERROR;
    }
    return SNMPv3_OK;
}
