/* The peer of the idle benchmark: one persistent process making the polling main window's
 * requests at its periods, with net-snmp's plain synchronous calls and nothing else: the
 * LED octets of the shown unit every 3 s, the chassis (the unit-table and fan-table
 * columns walked, the RMON and power scalars) every 30 s, sleeping in between.
 *
 * Usage: trq_idle_peer PORT MILLISECONDS
 *   reads once as the program's start-up does, then polls; from a second after that, for
 *   MILLISECONDS, it counts the CPU time (cpu=, seconds) and the context switches of the
 *   process (switches=), and prints them with the reads it made (leds=, chassis=). */
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/resource.h>
#include <time.h>

static const char* const kUnitColumns[] = {"1.3.6.1.4.1.32473.12.11.1.9.5.1.1", "1.3.6.1.4.1.32473.12.11.1.9.5.1.3",
                                           "1.3.6.1.4.1.32473.12.11.1.9.5.1.9", "1.3.6.1.4.1.32473.12.11.1.7.1.1",
                                           "1.3.6.1.4.1.32473.12.11.1.7.1.2", "1.3.6.1.4.1.32473.12.11.1.7.1.3"};
static const char* const kScalars[] = {"1.3.6.1.4.1.32473.11.78.1.2.1.2.4.0", "1.3.6.1.4.1.32473.12.11.1.3.0",
                                       "1.3.6.1.4.1.32473.12.11.1.4.0"};
static const char* const kLed = "1.3.6.1.4.1.32473.12.11.1.9.5.1.5.1";

static netsnmp_session* session;

static int request(int command, const char* const* names, int count, oid* next, size_t* nextLength)
{
    netsnmp_pdu* pdu = snmp_pdu_create(command);
    for (int i = 0; i < count; ++i) {
        oid name[MAX_OID_LEN];
        size_t length = MAX_OID_LEN;
        if (names) {
            if (!read_objid(names[i], name, &length))
                return -1;
            snmp_add_null_var(pdu, name, length);
        } else {
            snmp_add_null_var(pdu, next, *nextLength);
        }
    }
    netsnmp_pdu* response = NULL;
    int status = snmp_synch_response(session, pdu, &response);
    int ok = status == STAT_SUCCESS && response && response->errstat == SNMP_ERR_NOERROR;
    if (ok && next && response->variables && response->variables->type != SNMP_ENDOFMIBVIEW) {
        memcpy(next, response->variables->name, response->variables->name_length * sizeof(oid));
        *nextLength = response->variables->name_length;
    } else if (next) {
        *nextLength = 0;
    }
    if (response)
        snmp_free_pdu(response);
    return ok ? 0 : -1;
}

static void walk(const char* column)
{
    oid root[MAX_OID_LEN], next[MAX_OID_LEN];
    size_t rootLength = MAX_OID_LEN, nextLength;
    if (!read_objid(column, root, &rootLength))
        return;
    memcpy(next, root, rootLength * sizeof(oid));
    nextLength = rootLength;
    while (request(SNMP_MSG_GETNEXT, NULL, 1, next, &nextLength) == 0 && nextLength > rootLength &&
           memcmp(next, root, rootLength * sizeof(oid)) == 0) {
    }
}

static void chassis(void)
{
    for (size_t i = 0; i < sizeof kUnitColumns / sizeof *kUnitColumns; ++i)
        walk(kUnitColumns[i]);
    request(SNMP_MSG_GET, kScalars, 3, NULL, NULL);
}

static double seconds(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec + t.tv_nsec / 1e9;
}

static void usage(double* cpu, long* switches)
{
    struct rusage r;
    getrusage(RUSAGE_SELF, &r);
    *cpu = r.ru_utime.tv_sec + r.ru_utime.tv_usec / 1e6 + r.ru_stime.tv_sec + r.ru_stime.tv_usec / 1e6;
    *switches = r.ru_nvcsw + r.ru_nivcsw;
}

static void sleepUntil(double when)
{
    double now = seconds();
    if (when <= now)
        return;
    struct timespec t;
    t.tv_sec = (time_t)(when - now);
    t.tv_nsec = (long)((when - now - t.tv_sec) * 1e9);
    while (nanosleep(&t, &t) != 0) {
    }
}

int main(int argc, char** argv)
{
    if (argc < 3) {
        fprintf(stderr, "usage: trq_idle_peer PORT MILLISECONDS\n");
        return 2;
    }
    setenv("MIBS", "", 1);
    setenv("MIBDIRS", "", 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
    init_snmp("trq_idle_peer");
    char peer[64];
    snprintf(peer, sizeof peer, "udp:127.0.0.1:%s", argv[1]);
    netsnmp_session settings;
    snmp_sess_init(&settings);
    settings.peername = peer;
    settings.version = SNMP_VERSION_2c;
    settings.community = (u_char*)"mardle";
    settings.community_len = strlen("mardle");
    session = snmp_open(&settings);
    if (!session)
        return 1;

    /* Start-up: the chassis and the LEDs once. */
    chassis();
    if (request(SNMP_MSG_GET, &kLed, 1, NULL, NULL) != 0)
        return 1;
    /* Measured from a second after start-up, as the program is. */
    const double start = seconds();
    const double end = start + 1.0 + atoi(argv[2]) / 1e3;
    sleepUntil(start + 1.0);
    double cpu0, cpu1;
    long switches0, switches1;
    usage(&cpu0, &switches0);
    int leds = 0, polls = 0;
    for (int tick = 1;; ++tick) {
        const double when = start + 3.0 * tick;
        if (when > end)
            break;
        sleepUntil(when);
        if (tick % 10 == 0) {
            chassis();
            ++polls;
        }
        request(SNMP_MSG_GET, &kLed, 1, NULL, NULL);
        ++leds;
    }
    sleepUntil(end);
    usage(&cpu1, &switches1);
    printf("cpu=%.6f\nswitches=%ld\nleds=%d\nchassis=%d\n", cpu1 - cpu0, switches1 - switches0, leds, polls);
    snmp_close(session);
    return 0;
}
