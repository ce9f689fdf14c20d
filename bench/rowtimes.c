/* Row times of a walking client, loaded into it with LD_PRELOAD (bench/rowtimes): the
 * moments around each sendmsg, recvmsg and wait (poll, select) are kept in memory and, at
 * exit, the medians of the spans between them are written to the file $TRQ_ROWTIMES_OUT,
 * in microseconds:
 *   work   a reply read to the next request's send (the client's own work)
 *   send   the send itself
 *   wait   the send's return to the wait that returns with the reply (agent, wake-ups)
 *   read   that wait's return to the reply read
 * A span is counted where its two moments follow each other directly; the wait and read
 * spans take the last wait before a receive. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <poll.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/select.h>
#include <sys/socket.h>
#include <time.h>

enum { Capacity = 1 << 20 };
static double Moment[Capacity];
static char Kind[Capacity];
static int Count;

static void note(char kind)
{
    struct timespec t;
    if (Count >= Capacity)
        return;
    clock_gettime(CLOCK_MONOTONIC, &t);
    Moment[Count] = t.tv_sec * 1e6 + t.tv_nsec / 1e3;
    Kind[Count++] = kind;
}

typedef ssize_t (*SendMsg)(int, const struct msghdr*, int);
typedef ssize_t (*RecvMsg)(int, struct msghdr*, int);
typedef int (*Poll)(struct pollfd*, nfds_t, int);
typedef int (*Select)(int, fd_set*, fd_set*, fd_set*, struct timeval*);

ssize_t sendmsg(int fd, const struct msghdr* m, int flags)
{
    static SendMsg next;
    if (!next)
        next = (SendMsg)dlsym(RTLD_NEXT, "sendmsg");
    note('S');
    ssize_t r = next(fd, m, flags);
    note('s');
    return r;
}

ssize_t recvmsg(int fd, struct msghdr* m, int flags)
{
    static RecvMsg next;
    if (!next)
        next = (RecvMsg)dlsym(RTLD_NEXT, "recvmsg");
    ssize_t r = next(fd, m, flags);
    if (r > 0)
        note('R');
    return r;
}

int poll(struct pollfd* fds, nfds_t n, int timeout)
{
    static Poll next;
    if (!next)
        next = (Poll)dlsym(RTLD_NEXT, "poll");
    int r = next(fds, n, timeout);
    note('W');
    return r;
}

int select(int n, fd_set* r, fd_set* w, fd_set* e, struct timeval* t)
{
    static Select next;
    if (!next)
        next = (Select)dlsym(RTLD_NEXT, "select");
    int result = next(n, r, w, e, t);
    note('W');
    return result;
}

static int compare(const void* a, const void* b)
{
    double x = *(const double*)a, y = *(const double*)b;
    return x < y ? -1 : x > y;
}

static double median(double* v, int n)
{
    if (n == 0)
        return 0;
    qsort(v, (size_t)n, sizeof *v, compare);
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

__attribute__((destructor)) static void report(void)
{
    const char* path = getenv("TRQ_ROWTIMES_OUT");
    if (!path)
        return;
    static double work[Capacity], send[Capacity], wait[Capacity], read[Capacity];
    int nWork = 0, nSend = 0, nWait = 0, nRead = 0;
    double sent = -1, woken = -1;
    for (int i = 0; i < Count; ++i) {
        switch (Kind[i]) {
        case 'S':
            if (i > 0 && Kind[i - 1] == 'R')
                work[nWork++] = Moment[i] - Moment[i - 1];
            break;
        case 's':
            send[nSend++] = Moment[i] - Moment[i - 1];
            sent = Moment[i];
            break;
        case 'W':
            woken = Moment[i];
            break;
        case 'R':
            if (sent >= 0 && woken >= sent) {
                wait[nWait++] = woken - sent;
                read[nRead++] = Moment[i] - woken;
            }
            sent = -1;
            break;
        }
    }
    FILE* out = fopen(path, "w");
    if (!out)
        return;
    fprintf(out, "rows %d work %.1f send %.1f wait %.1f read %.1f\n", nWork, median(work, nWork),
            median(send, nSend), median(wait, nWait), median(read, nRead));
    fclose(out);
}
