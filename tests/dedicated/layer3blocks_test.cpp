// The blocks the layer-3 windows share: the IPv4 text scanner and address helpers, texts
// read as numbers, and the list-view queries.
#include <gtest/gtest.h>

#include <QTreeWidget>

#include "dedicated/ipv4text.h"
#include "dedicated/listquery.h"
#include "dedicated/numbertext.h"

namespace {

TEST(Ipv4Scan, ReadsStrictDecimalDottedTexts)
{
    struct Case {
        const char* text;
        TIpv4Fault fault;
        int faultPart;
        uint32_t address;
    };
    const Case cases[] = {
        {"10.1.2.3", TIpv4Fault::None, -1, 0x0A010203},
        {"010.1.1.1", TIpv4Fault::None, -1, 0x0A010101}, // decimal, never octal
        {"008.009.000.255", TIpv4Fault::None, -1, 0x080900FF},
        {"0.0.0.0", TIpv4Fault::None, -1, 0},
        {"255.255.255.255", TIpv4Fault::None, -1, 0xFFFFFFFF},
        {"", TIpv4Fault::Empty, -1, 0},
        {"10.1.1", TIpv4Fault::PartCount, -1, 0},
        {"10.1.1.1.1", TIpv4Fault::PartCount, -1, 0},
        {".1.1.1", TIpv4Fault::EmptyPart, 0, 0},
        {"1..1.1", TIpv4Fault::EmptyPart, 1, 0},
        {"1.1.1.", TIpv4Fault::EmptyPart, 3, 0},
        {"1.1.1.1a", TIpv4Fault::BadCharacter, 3, 0},
        {" 1.1.1.1", TIpv4Fault::BadCharacter, 0, 0},
        {"1.-1.1.1", TIpv4Fault::BadCharacter, 1, 0},
        {"1.1.0256.1", TIpv4Fault::LongPart, 2, 0},
        {"1.256.1.1", TIpv4Fault::PartRange, 1, 0},
        {"1.256.x.1", TIpv4Fault::PartRange, 1, 0}, // the first fault, left to right
    };
    for (const Case& c : cases) {
        const TIpv4Scan scan = ScanIpv4(c.text);
        EXPECT_EQ(scan.Fault, c.fault) << c.text;
        EXPECT_EQ(scan.FaultPart, c.faultPart) << c.text;
        EXPECT_EQ(scan.Address(), c.address) << c.text;
        EXPECT_EQ(ParseIpv4(c.text).has_value(), c.fault == TIpv4Fault::None) << c.text;
    }
    const TIpv4Scan parts = ScanIpv4("1..x.0077");
    EXPECT_EQ(parts.Parts, (std::vector<std::string>{"1", "", "x", "0077"}));
    EXPECT_EQ(parts.Value(0), 1);
    EXPECT_EQ(parts.Value(1), -1);
    EXPECT_EQ(parts.Value(2), -1);
    EXPECT_EQ(parts.Value(3), -1);
    EXPECT_EQ(parts.Value(4), -1);
    EXPECT_EQ(FormatIpv4(0x0A000001), "10.0.0.1");
    EXPECT_EQ(FormatIpv4(*ParseIpv4("010.001.000.009")), "10.1.0.9");
}

TEST(Ipv4Helpers, MasksClassesHostsAndSubnets)
{
    for (const char* mask : {"0.0.0.0", "255.0.0.0", "255.128.0.0", "255.255.255.0", "255.255.255.252",
                             "255.255.255.254", "255.255.255.255"})
        EXPECT_TRUE(IsContiguousMask(*ParseIpv4(mask))) << mask;
    for (const char* mask : {"255.0.255.0", "0.255.255.255", "255.255.253.0", "255.255.255.1"})
        EXPECT_FALSE(IsContiguousMask(*ParseIpv4(mask))) << mask;
    for (int v = 0; v <= 255; ++v)
        EXPECT_EQ(IsMaskOctet(v), v == 0 || v == 128 || v == 192 || v == 224 || v == 240 || v == 248 ||
                                      v == 252 || v == 254 || v == 255)
            << v;

    const std::pair<const char*, TIpv4Class> classes[] = {
        {"0.1.1.1", TIpv4Class::A},   {"127.1.1.1", TIpv4Class::A}, {"128.1.1.1", TIpv4Class::B},
        {"191.1.1.1", TIpv4Class::B}, {"192.1.1.1", TIpv4Class::C}, {"223.1.1.1", TIpv4Class::C},
        {"224.1.1.1", TIpv4Class::D}, {"239.1.1.1", TIpv4Class::D}, {"240.1.1.1", TIpv4Class::E},
        {"250.1.1.1", TIpv4Class::E}, {"255.1.1.1", TIpv4Class::E}};
    for (const auto& [text, cls] : classes)
        EXPECT_EQ(ClassOf(*ParseIpv4(text)), cls) << text;

    for (const char* host : {"1.0.0.0", "10.0.0.1", "192.168.0.1", "126.255.255.255", "223.255.255.255"})
        EXPECT_TRUE(IsUnicastHost(*ParseIpv4(host))) << host;
    for (const char* other : {"0.1.1.1", "127.0.0.1", "224.0.0.5", "240.1.1.1", "255.255.255.255"})
        EXPECT_FALSE(IsUnicastHost(*ParseIpv4(other))) << other;

    struct Overlap {
        const char* a;
        const char* maskA;
        const char* b;
        const char* maskB;
        bool overlap;
    };
    const Overlap overlaps[] = {
        {"10.1.1.9", "255.255.0.0", "10.1.1.1", "255.255.255.0", true}, // under the shorter mask
        {"10.1.1.1", "255.255.255.0", "10.1.1.9", "255.255.0.0", true},
        {"10.1.1.9", "255.255.255.0", "10.1.1.1", "255.255.255.0", true},
        {"10.1.1.1", "255.255.255.0", "10.1.2.1", "255.255.255.0", false},
        {"10.2.0.1", "255.255.0.0", "10.1.1.1", "255.255.255.0", false},
        {"10.9.9.9", "255.0.0.0", "10.1.1.1", "255.255.255.252", true},
    };
    for (const Overlap& o : overlaps)
        EXPECT_EQ(SubnetsOverlap(*ParseIpv4(o.a), *ParseIpv4(o.maskA), *ParseIpv4(o.b), *ParseIpv4(o.maskB)),
                  o.overlap)
            << o.a << "/" << o.maskA << " " << o.b << "/" << o.maskB;
    EXPECT_EQ(FormatIpv4(NetworkOf(*ParseIpv4("10.1.2.3"), *ParseIpv4("255.255.0.0"))), "10.1.0.0");

    // A next hop is a host address and neither end of a subnet of the switch.
    const std::vector<TIpv4Subnet> subnets = {{*ParseIpv4("192.168.1.1"), *ParseIpv4("255.255.255.0")},
                                              {*ParseIpv4("10.1.1.1"), *ParseIpv4("255.255.255.254")}};
    const std::pair<const char*, bool> hops[] = {
        {"192.168.1.254", true}, {"192.168.1.255", false}, {"192.168.1.0", false}, {"192.168.2.255", true},
        {"10.1.1.0", true},      {"10.1.1.1", true}, // a /31 has no network or broadcast address
        {"127.0.0.1", false},    {"224.0.0.5", false},     {"250.1.1.1", false},   {"0.0.0.0", false},
    };
    for (const auto& [text, ok] : hops)
        EXPECT_EQ(IsNextHop(*ParseIpv4(text), subnets), ok) << text;
}

TEST(NumberText, WholeDecimalNumbersOrTheCallersFallback)
{
    const std::pair<const char*, int> cases[] = {
        {"0", 0},       {"65535", 65535}, {"010", 10},         {"-1", -1},         {"+7", 7},
        {"", -9},       {"-", -9},        {"+", -9},           {"1x", -9},         {" 1", -9},
        {"1 ", -9},     {"0x10", -9},     {"2147483647", 2147483647}, {"2147483648", -9}, {"-2147483648", INT32_MIN},
        {"99999999999999999999", -9},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(TextToInt(text, -9), value) << text;
    EXPECT_EQ(TextToInt64("-9223372036854775808", 5), INT64_MIN);
    EXPECT_EQ(TextToInt64("9223372036854775808", 5), 5);
    EXPECT_EQ(TextToInt64("9223372036854775807", 5), INT64_MAX);
}

TEST(ListQuery, FindsRowsByCaptionAndCellsByColumnTitle)
{
    QTreeWidget view;
    view.setHeaderLabels({"IP Address", "Interface Name", "Secondary"});
    new QTreeWidgetItem(&view, {"10.1.1.1", "System", "false"});
    new QTreeWidgetItem(&view, {"10.2.1.1", "if2", "true"});
    new QTreeWidgetItem(&view, {"10.2.1.1", "dup", "false"});

    EXPECT_EQ(RowCountOf(&view), 3);
    EXPECT_EQ(RowCountOf(nullptr), 0);
    EXPECT_EQ(ColumnOfTitle(&view, "Secondary"), 2);
    EXPECT_EQ(ColumnOfTitle(&view, "secondary"), -1); // exact, case-sensitive
    EXPECT_EQ(FindRowByCaption(&view, "10.2.1.1"), 1); // the first match
    EXPECT_EQ(FindRowByCaption(&view, "10.2.1"), -1);
    EXPECT_EQ(FindRowByCaption(nullptr, "10.2.1.1"), -1);
    EXPECT_EQ(CellByTitle(&view, 1, "Interface Name"), "if2");
    EXPECT_EQ(CellByTitle(&view, 0, "IP Address"), "10.1.1.1");
    EXPECT_EQ(CellByTitle(&view, 3, "Interface Name"), "");
    EXPECT_EQ(CellByTitle(&view, -1, "Interface Name"), "");
    EXPECT_EQ(CellByTitle(&view, 0, "VLAN Name"), "");
}

} // namespace
