// Value classes of the engine layer: OIDs, octet strings, addresses, varbinds, PDUs.
#include "snmplib/engine/pdu.h"
#include "snmplib/engine/snmperrs.h"
#include "snmplib/engine/target.h"

#include <gtest/gtest.h>

TEST(EngineOid, ParsesDottedTextWithOrWithoutLeadingDot)
{
    struct Case {
        const char* text;
        bool valid;
        const char* printable;
    } cases[] = {
        {"1.3.6.1.2.1.1.1.0", true, "1.3.6.1.2.1.1.1.0"},
        {".1.3.6.1", true, "1.3.6.1"},
        {"0", true, "0"},
        {"1.3.6.1.4294967295", true, "1.3.6.1.4294967295"},
        {"1.3.6.1.4294967296", false, ""},
        {"", false, ""},
        {".", false, ""},
        {"1..3", false, ""},
        {"1.3.", false, ""},
        {"1.3.x", false, ""},
        {" 1.3", false, ""},
    };
    for (const auto& c : cases) {
        const Oid oid(c.text);
        EXPECT_EQ(oid.valid(), c.valid) << c.text;
        EXPECT_EQ(oid.get_printable(), c.printable) << c.text;
    }
}

TEST(EngineOid, ComparesTrimsAndAppends)
{
    const Oid column("1.3.6.1.2.1.2.2.1.1");
    Oid instance = column;
    instance += "5";
    EXPECT_EQ(instance.get_printable(), "1.3.6.1.2.1.2.2.1.1.5");
    EXPECT_EQ(instance.len(), 11u);
    EXPECT_EQ(instance[10], 5u);
    EXPECT_EQ(column.nCompare(column.len(), instance), 0);     // column is a prefix
    EXPECT_LT(column.nCompare(column.len() + 1, instance), 0); // but shorter
    EXPECT_LT(column, instance);
    EXPECT_LT(Oid("1.3.6.1.2.1.2.2.1.1.5"), Oid("1.3.6.1.2.1.2.2.1.10")); // by arc value, not text
    EXPECT_GT(Oid("1.3.6.1.4.1.2"), Oid("1.3.6.1.2.1.99"));
    instance.trim();
    EXPECT_EQ(instance, column);
    instance.trim(100);
    EXPECT_EQ(instance.len(), 0u);
    EXPECT_FALSE(instance.valid());

    const unsigned long arcs[] = {1, 3, 6, 1, 4, 1, 32473};
    EXPECT_EQ(Oid(arcs, 7).get_printable(), "1.3.6.1.4.1.32473");
}

TEST(EngineOctetStr, KeepsEveryByteIncludingNul)
{
    const unsigned char bytes[] = {'a', 0, 0xFF, 'z'};
    const OctetStr s(bytes, sizeof bytes);
    EXPECT_EQ(s.len(), 4u);
    EXPECT_EQ(s[1], 0);
    EXPECT_EQ(s[2], 0xFF);
    EXPECT_EQ(s.get_printable_hex(), "61 00 FF 7A");
    EXPECT_EQ(OctetStr("abc").len(), 3u);
    EXPECT_EQ(OctetStr(std::string("a\0b", 3)).len(), 3u);
    EXPECT_NE(s, OctetStr("a"));
    EXPECT_EQ(OctetStr("abc"), OctetStr(std::string("abc")));
}

TEST(EngineAddress, ParsesAddressesAndPorts)
{
    struct Case {
        const char* text;
        bool valid;
        const char* printable;
        unsigned short port;
    } cases[] = {
        {"10.0.0.1/161", true, "10.0.0.1/161", 161},
        {"127.0.0.1:1161", true, "127.0.0.1/1161", 1161},
        {"192.168.1.2", true, "192.168.1.2/0", 0},
        {"0.0.0.0/1", true, "0.0.0.0/1", 1},
        {"255.255.255.255:65535", true, "255.255.255.255/65535", 65535},
        {"100.99.10.9/7", true, "100.99.10.9/7", 7},
        {"::1/1161", true, "::1/1161", 1161},
        {"[::1]:162", true, "::1/162", 162},
        {"fe80::1", true, "fe80::1/0", 0},
        {"localhost/161", true, "127.0.0.1/161", 161},
        {"10.0.0/161", false, "", 0},
        {"1.2.3.256", false, "", 0},
        {"10.0.0.1/70000", false, "", 0},
        {"10.0.0.1/x", false, "", 0},
        {"", false, "", 0},
        {"bad host name!", false, "", 0},
    };
    for (const auto& c : cases) {
        const UdpAddress a(c.text);
        EXPECT_EQ(a.valid(), c.valid) << c.text;
        EXPECT_EQ(a.get_printable(), c.printable) << c.text;
        if (c.valid) {
            EXPECT_EQ(a.get_port(), c.port) << c.text;
        }
    }
    IpAddress ip("10.1.2.3");
    EXPECT_EQ(ip.get_printable(), "10.1.2.3");
    EXPECT_EQ(ip.get_syntax(), sNMP_SYNTAX_IPADDR);
    UdpAddress udp(ip, 161);
    udp.set_port(1161);
    EXPECT_EQ(GenAddress(udp).get_printable(), "10.1.2.3/1161");
    EXPECT_EQ(GenAddress("10.1.2.3/99").udp().get_port(), 99);
}

TEST(EngineTarget, TakesAddressCommunitiesAndUser)
{
    CTarget c(IpAddress("10.0.0.1"), "mardle", "quillon"); // an IpAddress gets port 161
    GenAddress address;
    ASSERT_TRUE(c.get_address(address));
    EXPECT_EQ(address.get_printable(), "10.0.0.1/161");
    EXPECT_EQ(c.get_readcommunity(), OctetStr("mardle"));
    EXPECT_EQ(c.get_writecommunity(), OctetStr("quillon"));
    c.set_timeout(250);
    c.set_retry(3);
    std::unique_ptr<SnmpTarget> copy(c.clone());
    EXPECT_EQ(copy->get_timeout(), 250u);
    EXPECT_EQ(copy->get_retry(), 3);
    EXPECT_EQ(static_cast<CTarget&>(*copy).get_writecommunity(), OctetStr("quillon"));

    UTarget u(UdpAddress("10.0.0.2/1161"), "md5des");
    EXPECT_EQ(u.get_version(), version3);
    EXPECT_EQ(u.get_security_model(), SNMP_SECURITY_MODEL_USM);
    EXPECT_EQ(u.get_security_name(), OctetStr("md5des"));
    EXPECT_FALSE(CTarget(UdpAddress("nonsense/1")).valid());
}

TEST(EngineVb, ValuesByClassAndSyntax)
{
    Vb vb(Oid("1.3.6.1.2.1.1.3.0"));
    EXPECT_EQ(vb.get_syntax(), sNMP_SYNTAX_NULL);
    EXPECT_EQ(vb.get_printable_value(), "");

    vb.set_value(TimeTicks(360000));
    EXPECT_EQ(vb.get_syntax(), sNMP_SYNTAX_TIMETICKS);
    unsigned long u = 0;
    EXPECT_EQ(vb.get_value(u), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(u, 360000u);
    long l = 0;
    EXPECT_EQ(vb.get_value(l), SNMP_CLASS_SUCCESS); // integers convert among themselves
    OctetStr s("keep");
    EXPECT_EQ(vb.get_value(s), SNMP_CLASS_INVALID); // but not to octets
    EXPECT_EQ(s, OctetStr("keep"));

    vb.set_value(SnmpInt32(-2));
    EXPECT_EQ(vb.get_value(u), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(u, 4294967294u);

    vb.set_value(Counter64(1, 5));
    Counter64 c;
    EXPECT_EQ(vb.get_value(c), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(c.value(), 4294967301ull);
    EXPECT_EQ(vb.get_printable_value(), "4294967301");

    vb.set_value(IpAddress("10.0.0.1"));
    IpAddress ip;
    EXPECT_EQ(vb.get_value(ip), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(ip.get_printable(), "10.0.0.1");

    // The library sets the syntax first, then the value; the value's class decides.
    vb.set_syntax(sNMP_SYNTAX_CNTR32);
    EXPECT_EQ(vb.get_syntax(), sNMP_SYNTAX_CNTR32);
    vb.set_value(Gauge32(7));
    EXPECT_EQ(vb.get_syntax(), sNMP_SYNTAX_GAUGE32);
    vb.set_syntax(0x4c); // a library-only code has no value class
    EXPECT_EQ(vb.get_syntax(), sNMP_SYNTAX_NULL);

    vb.set_syntax(sNMP_SYNTAX_ENDOFMIBVIEW);
    EXPECT_TRUE(vb.get_exception_status());
    EXPECT_EQ(vb.get_printable_value(), "");
    EXPECT_EQ(vb.get_value(l), SNMP_CLASS_INVALID);

    Vb copy = vb;
    vb.set_value(OpaqueStr("x"));
    EXPECT_EQ(copy.get_syntax(), sNMP_SYNTAX_ENDOFMIBVIEW); // deep copy
    EXPECT_EQ(vb.get_syntax(), sNMP_SYNTAX_OPAQUE);
    EXPECT_EQ(vb.get_value(s), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(s, OctetStr("x"));
}

TEST(EnginePdu, HoldsVarbindsAndScope)
{
    Pdu pdu;
    for (const char* o : {"1.3.6.1.2.1.1.1.0", "1.3.6.1.2.1.1.5.0", "1.3.6.1.2.1.1.6.0"})
        pdu += Vb(Oid(o));
    EXPECT_EQ(pdu.get_vb_count(), 3);
    Vb vb;
    EXPECT_TRUE(pdu.get_vb(vb, 1));
    EXPECT_EQ(vb.get_printable_oid(), "1.3.6.1.2.1.1.5.0");
    EXPECT_FALSE(pdu.get_vb(vb, 3));
    EXPECT_FALSE(pdu.get_vb(vb, -1));
    vb.set_value(OctetStr("sw1"));
    EXPECT_TRUE(pdu.set_vb(vb, 2));
    EXPECT_EQ(pdu[2].get_printable_value(), "sw1");
    EXPECT_TRUE(pdu.trim());
    EXPECT_EQ(pdu.get_vb_count(), 2);
    EXPECT_FALSE(pdu.trim(3));
    EXPECT_EQ(pdu.get_security_level(), SNMP_SECURITY_LEVEL_NOAUTH_NOPRIV);
    pdu.set_security_level(SNMP_SECURITY_LEVEL_AUTH_PRIV);
    pdu.set_context_name("ctx");
    pdu.set_context_engine_id(OctetStr(std::string("\x80\0\x01", 3)));
    const Pdu copy = pdu;
    EXPECT_EQ(copy.get_security_level(), SNMP_SECURITY_LEVEL_AUTH_PRIV);
    EXPECT_EQ(copy.get_context_name(), OctetStr("ctx"));
    EXPECT_EQ(copy.get_context_engine_id().len(), 3u);
}
