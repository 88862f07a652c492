// Starts a program on the X display in $DISPLAY and reports, one line each on stdout,
// what its top-level windows do, timed from the moment it was started:
//
//   pid <pid>
//   first <wall ms> <cpu ms>      once, when its first window is mapped
//   map <window id> <wall ms> <title>
//   unmap <window id>
//   exit <status>
//
// The CPU time (user + system, all threads) is read from /proc as soon as the map is
// seen, so it counts what the program spent to put its first window on screen.
//
// Build: cc -O2 -o launchwatch launchwatch.c -lX11
// Usage: launchwatch PROGRAM [ARGUMENTS...]

#define _GNU_SOURCE
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <dirent.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static struct timespec started;
static volatile sig_atomic_t stopRequested = 0;

static void requestStop(int number)
{
    (void)number;
    stopRequested = 1;
}

static double elapsedMs(void)
{
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return (double)(now.tv_sec - started.tv_sec) * 1e3 +
           (double)(now.tv_nsec - started.tv_nsec) / 1e6;
}

// User + system time of every thread of `pid`, in milliseconds. The scheduler's own
// count (nanoseconds) is used where the kernel has it; /proc/PID/stat only has ticks.
static double cpuMs(pid_t pid)
{
    char path[64];
    snprintf(path, sizeof path, "/proc/%d/task", (int)pid);
    DIR* tasks = opendir(path);
    if (tasks != NULL) {
        double total = 0;
        int counted = 0;
        struct dirent* entry;
        while ((entry = readdir(tasks)) != NULL) {
            if (entry->d_name[0] == '.') {
                continue;
            }
            char file[320];
            snprintf(file, sizeof file, "/proc/%d/task/%s/schedstat", (int)pid, entry->d_name);
            FILE* f = fopen(file, "r");
            unsigned long long ns = 0;
            if (f != NULL && fscanf(f, "%llu", &ns) == 1) {
                total += (double)ns / 1e6;
                ++counted;
            }
            if (f != NULL) {
                fclose(f);
            }
        }
        closedir(tasks);
        if (counted > 0) {
            return total;
        }
    }

    snprintf(path, sizeof path, "/proc/%d/stat", (int)pid);
    FILE* f = fopen(path, "r");
    if (f == NULL) {
        return -1;
    }
    char line[2048];
    const size_t length = fread(line, 1, sizeof line - 1, f);
    fclose(f);
    line[length] = '\0';
    const char* fields = strrchr(line, ')'); // the command name may hold blanks
    unsigned long utime = 0, stime = 0;
    if (fields == NULL || sscanf(fields + 2, "%*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %lu %lu",
                                 &utime, &stime) != 2) {
        return -1;
    }
    return (double)(utime + stime) * 1e3 / (double)sysconf(_SC_CLK_TCK);
}

static long windowPid(Display* display, Window window)
{
    static Atom netWmPid = None;
    if (netWmPid == None) {
        netWmPid = XInternAtom(display, "_NET_WM_PID", False);
    }
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = NULL;
    long pid = -1;
    if (XGetWindowProperty(display, window, netWmPid, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &after, &data) == Success &&
        data != NULL && count == 1 && format == 32) {
        pid = (long)*(unsigned long*)data;
    }
    if (data != NULL) {
        XFree(data);
    }
    return pid;
}

static void printTitle(Display* display, Window window)
{
    static Atom netWmName = None, utf8 = None;
    if (netWmName == None) {
        netWmName = XInternAtom(display, "_NET_WM_NAME", False);
        utf8 = XInternAtom(display, "UTF8_STRING", False);
    }
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = NULL;
    if (XGetWindowProperty(display, window, netWmName, 0, 256, False, utf8, &type, &format, &count,
                           &after, &data) == Success &&
        data != NULL && count > 0) {
        printf("%.*s", (int)count, (const char*)data);
        XFree(data);
        return;
    }
    if (data != NULL) {
        XFree(data);
    }
    char* name = NULL;
    if (XFetchName(display, window, &name) && name != NULL) {
        printf("%s", name);
        XFree(name);
    }
}

static int ignoreErrors(Display* display, XErrorEvent* error)
{
    (void)display; // a window may be gone before its properties are read
    (void)error;
    return 0;
}

int main(int argc, char* argv[])
{
    if (argc < 2) {
        fprintf(stderr, "usage: %s PROGRAM [ARGUMENTS...]\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(NULL);
    if (display == NULL) {
        fprintf(stderr, "launchwatch: cannot open the display\n");
        return 2;
    }
    XSetErrorHandler(ignoreErrors);
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    clock_gettime(CLOCK_MONOTONIC, &started);
    const pid_t child = fork();
    if (child < 0) {
        perror("launchwatch: fork");
        return 2;
    }
    if (child == 0) {
        execvp(argv[1], argv + 1);
        perror("launchwatch: exec");
        _exit(127);
    }
    printf("pid %d\n", (int)child);
    fflush(stdout);
    // Stopping the watcher stops the program too.
    signal(SIGTERM, requestStop);
    signal(SIGINT, requestStop);
    signal(SIGHUP, requestStop);

    int first = 1;
    int forwarded = 0;
    for (;;) {
        if (stopRequested && !forwarded) {
            forwarded = 1;
            kill(child, SIGTERM);
        }
        int status;
        if (waitpid(child, &status, WNOHANG) == child) {
            printf("exit %d\n", WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status));
            fflush(stdout);
            break;
        }
        if (XPending(display) == 0) {
            struct pollfd connection = {ConnectionNumber(display), POLLIN, 0};
            poll(&connection, 1, 50);
            if (XPending(display) == 0) {
                continue;
            }
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && event.xmap.event == root) {
            const double wall = elapsedMs();
            const Window window = event.xmap.window;
            if (windowPid(display, window) != (long)child) {
                continue;
            }
            if (first) {
                first = 0;
                printf("first %.1f %.1f\n", wall, cpuMs(child));
            }
            printf("map 0x%lx %.1f ", (unsigned long)window, wall);
            printTitle(display, window);
            printf("\n");
            fflush(stdout);
        } else if (event.type == UnmapNotify && event.xunmap.event == root) {
            printf("unmap 0x%lx\n", (unsigned long)event.xunmap.window);
            fflush(stdout);
        }
    }
    XCloseDisplay(display);
    return 0;
}
