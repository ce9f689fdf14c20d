// The reference client of the walk benchmarks: the least a client can do to walk the bench
// table. It makes the same requests as the program's walks (one SNMPv2c get-next of the
// four columns per row, each sent when the previous reply is in), encoding and decoding the
// messages by hand, with no SNMP library and no event loop: it sleeps in recv() until the
// reply is there. Whatever the program takes beyond this client's time is its own.
//
// Usage: trq_raw_walk PORT COMMUNITY [empty]
//   walks 1.3.6.1.4.1.32473.99.1.1.{1..4} of the agent at 127.0.0.1:PORT (with "empty",
//   the same columns of a table that does not exist) and prints rows=, last= (the columns
//   of the last row joined by '|') and walk= (seconds from the first request to the last
//   reply). A reply lost for a second is asked again, at most three times.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

using Arcs = std::vector<uint32_t>;

// ---- Encoding

void putLength(std::string& out, std::size_t n)
{
    if (n < 0x80) {
        out += static_cast<char>(n);
        return;
    }
    char bytes[8];
    int count = 0;
    while (n) {
        bytes[count++] = static_cast<char>(n & 0xff);
        n >>= 8;
    }
    out += static_cast<char>(0x80 | count);
    while (count)
        out += bytes[--count];
}

std::string tlv(unsigned char tag, const std::string& content)
{
    std::string out(1, static_cast<char>(tag));
    putLength(out, content.size());
    return out + content;
}

std::string integer(long value)
{
    // Two's complement, big-endian, without the leading octets that only repeat the sign.
    unsigned char bytes[8];
    for (int i = 0; i < 8; ++i)
        bytes[7 - i] = static_cast<unsigned char>((static_cast<unsigned long>(value) >> (8 * i)) & 0xff);
    int first = 0;
    while (first < 7 && ((bytes[first] == 0 && !(bytes[first + 1] & 0x80)) ||
                         (bytes[first] == 0xff && (bytes[first + 1] & 0x80))))
        ++first;
    return tlv(0x02, std::string(reinterpret_cast<const char*>(bytes) + first, static_cast<std::size_t>(8 - first)));
}

std::string oid(const Arcs& arcs)
{
    std::string bytes(1, static_cast<char>(arcs[0] * 40 + arcs[1]));
    for (std::size_t i = 2; i < arcs.size(); ++i) {
        char sub[5];
        int n = 0;
        uint32_t v = arcs[i];
        do {
            sub[n++] = static_cast<char>(v & 0x7f);
            v >>= 7;
        } while (v);
        while (n > 1)
            bytes += static_cast<char>(sub[--n] | 0x80);
        bytes += sub[0];
    }
    return tlv(0x06, bytes);
}

std::string getNext(const std::string& community, long requestId, const std::vector<Arcs>& names)
{
    std::string list;
    for (const Arcs& name : names)
        list += tlv(0x30, oid(name) + std::string("\x05\x00", 2));
    const std::string pdu = integer(requestId) + integer(0) + integer(0) + tlv(0x30, list);
    return tlv(0x30, integer(1) + tlv(0x04, community) + tlv(0xa1, pdu));
}

// ---- Decoding (only what a response to the requests above holds)

struct Reader {
    const unsigned char* p;
    const unsigned char* end;
    bool ok = true;

    // Reads a tag and a length; the content is [p, p + length).
    bool header(unsigned char& tag, std::size_t& length)
    {
        if (end - p < 2)
            return ok = false;
        tag = *p++;
        length = *p++;
        if (length & 0x80) {
            const int count = static_cast<int>(length & 0x7f);
            if (count == 0 || count > 4 || end - p < count)
                return ok = false;
            length = 0;
            for (int i = 0; i < count; ++i)
                length = (length << 8) | *p++;
        }
        if (static_cast<std::size_t>(end - p) < length)
            return ok = false;
        return true;
    }
    bool enter(unsigned char want)
    {
        unsigned char tag;
        std::size_t length;
        return header(tag, length) && (tag == want || (ok = false));
    }
    long number()
    {
        unsigned char tag;
        std::size_t length;
        if (!header(tag, length) || length == 0 || length > 8)
            return ok = false, 0;
        long v = (*p & 0x80) ? -1 : 0;
        for (std::size_t i = 0; i < length; ++i)
            v = (v << 8) | *p++;
        return v;
    }
    void skip()
    {
        unsigned char tag;
        std::size_t length;
        if (header(tag, length))
            p += length;
    }
    Arcs name()
    {
        unsigned char tag;
        std::size_t length;
        Arcs arcs;
        if (!header(tag, length) || tag != 0x06 || length == 0)
            return ok = false, arcs;
        const unsigned char* stop = p + length;
        arcs.push_back(*p / 40);
        arcs.push_back(*p % 40);
        ++p;
        uint32_t v = 0;
        while (p < stop) {
            v = (v << 7) | (*p & 0x7f);
            if (!(*p++ & 0x80)) {
                arcs.push_back(v);
                v = 0;
            }
        }
        return arcs;
    }
    // A value as text: numbers in decimal, strings as they are; the tag says which.
    std::string value(unsigned char& tag)
    {
        std::size_t length;
        if (!header(tag, length))
            return {};
        std::string text;
        if (tag == 0x04) {
            text.assign(reinterpret_cast<const char*>(p), length);
        } else if (tag == 0x02 || tag == 0x41 || tag == 0x42 || tag == 0x43) {
            long v = (tag == 0x02 && length && (*p & 0x80)) ? -1 : 0;
            for (std::size_t i = 0; i < length; ++i)
                v = (v << 8) | p[i];
            if (tag != 0x02)
                v &= 0xffffffffL;
            text = std::to_string(v);
        }
        p += length;
        return text;
    }
};

bool under(const Arcs& name, const Arcs& column)
{
    return name.size() > column.size() && std::equal(column.begin(), column.end(), name.begin());
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: trq_raw_walk PORT COMMUNITY [empty]\n");
        return 2;
    }
    const bool empty = argc > 3 && std::strcmp(argv[3], "empty") == 0;
    const std::string community = argv[2];
    std::vector<Arcs> columns;
    for (uint32_t c = 1; c <= 4; ++c)
        columns.push_back(empty ? Arcs{1, 3, 6, 1, 4, 1, 32473, 99, 99, 1, c} : Arcs{1, 3, 6, 1, 4, 1, 32473, 99, 1, 1, c});

    const int fd = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in agent{};
    agent.sin_family = AF_INET;
    agent.sin_port = htons(static_cast<uint16_t>(std::atoi(argv[1])));
    agent.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (fd < 0 || connect(fd, reinterpret_cast<sockaddr*>(&agent), sizeof agent) != 0)
        return 1;
    timeval wait{1, 0};
    setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);

    const auto start = std::chrono::steady_clock::now();
    std::vector<Arcs> next = columns;
    std::string last;
    int rows = 0;
    long requestId = 1;
    unsigned char buffer[65536];
    for (;;) {
        const std::string message = getNext(community, ++requestId, next);
        ssize_t n = -1;
        for (int tries = 0; tries < 4 && n < 0; ++tries) {
            if (send(fd, message.data(), message.size(), 0) < 0)
                return 1;
            // Sleeps until a datagram of this request arrives (stale ones are dropped).
            for (;;) {
                n = recv(fd, buffer, sizeof buffer, 0);
                if (n < 0)
                    break;
                Reader probe{buffer, buffer + n};
                if (probe.enter(0x30) && (probe.number(), probe.skip(), probe.enter(0xa2)) &&
                    probe.number() == requestId)
                    break;
            }
        }
        if (n < 0)
            return 1;
        Reader r{buffer, buffer + n};
        r.enter(0x30);
        r.number();
        r.skip();
        r.enter(0xa2);
        r.number();
        const long status = r.number();
        r.number();
        r.enter(0x30);
        if (!r.ok || status != 0)
            return 1;
        std::string row;
        bool inside = true;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            r.enter(0x30);
            Arcs name = r.name();
            unsigned char tag = 0;
            const std::string text = r.value(tag);
            if (!r.ok)
                return 1;
            if (i == 0 && (tag >= 0x80 || !under(name, columns[0])))
                inside = false;
            row += (i ? "|" : "") + text;
            next[i] = std::move(name);
        }
        if (!inside)
            break;
        ++rows;
        last = row;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("rows=%d\nlast=%s\nwalk=%.6f\n", rows, last.c_str(), seconds);
    close(fd);
    return 0;
}
