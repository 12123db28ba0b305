// Writes the report in one piece, waits for the user, and turns a lost report into status 1.
#include "report.hpp"

#include "polygon_sequence.hpp"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

#if defined(_WIN32)
#include <io.h>
#include <stdlib.h>
#include <winerror.h>
#else
#include <unistd.h>
#endif

namespace polygon_pi {
namespace {

// Larger than the whole report, so the report leaves in one write at the flush; and ours, so the
// C library allocates no stream buffer.
char output_buffer[4096];

// A whole line typed at a terminal: Linux keeps at most 4095 characters and the line end.
char typed_line[4096];

void write_table(std::FILE* out) {
    for_each_polygon([out](PolygonState state) {
        std::fprintf(out, kRowFormat, state.sides, estimate_pi(state));
    });
}

void write_report(std::FILE* out) {
    std::fputs(kTitle, out);
    std::fputs(kSubtitle, out);
    std::fputs(kHeading, out);
    std::fputs(kRule, out);
    write_table(out);
    std::fputs(kNoteFirstLine, out);
    std::fputs(kNoteSecondLine, out);
    std::fputs(kPrompt, out);
}

// Returns 0 when the whole report reached the output, otherwise the cause as an errno value.
int flush_report(std::FILE* out) {
    errno = 0;
#if defined(_WIN32)
    _doserrno = 0;
#endif
    if (std::fflush(out) == 0 && std::ferror(out) == 0) {
        return 0;
    }
#if defined(_WIN32)
    // The Windows runtime reports a pipe whose reader has gone as EINVAL; the system's own error
    // code tells it apart from a real fault.
    if (_doserrno == ERROR_NO_DATA || _doserrno == ERROR_BROKEN_PIPE ||
        _doserrno == ERROR_PIPE_NOT_CONNECTED) {
        return EPIPE;
    }
#endif
    return errno != 0 ? errno : EIO;
}

bool input_is_terminal() {
#if defined(_WIN32)
    return _isatty(0) != 0;
#else
    return isatty(STDIN_FILENO) != 0;
#endif
}

// A terminal hands over one typed line per read, so reading a line's worth consumes the user's
// ENTER together with anything typed before it, and none of it is left for the shell to run
// afterwards. Any other input gives up exactly one byte, so a file or pipe shared with a later
// reader loses no more than that. End of input and read errors end the wait alike.
void wait_for_enter() {
    const unsigned count = input_is_terminal() ? sizeof typed_line : 1U;
    // What the read returns changes nothing: a byte, end of input and an error all end the wait.
#if defined(_WIN32)
    [[maybe_unused]] const int got = _read(0, typed_line, count);
#else
    [[maybe_unused]] const ssize_t got = read(STDIN_FILENO, typed_line, count);
#endif
}

// Without this a reader that went away (polygon-pi | head -3) would kill the process with
// SIGPIPE; with it the write fails with EPIPE, which report_write_error treats as no fault of ours.
void ignore_broken_pipe_signal() {
#if defined(SIGPIPE)
    (void)std::signal(SIGPIPE, SIG_IGN);
#endif
}

// A reader that went away (EPIPE) is no fault of ours; any other loss of the report is named on
// standard error and makes the status 1.
int report_write_error(int write_error) {
    if (write_error == 0 || write_error == EPIPE) {
        return 0;
    }
    std::fprintf(stderr, "%s: write error: %s\n", kProgramName, std::strerror(write_error));
    return 1;
}

}  // namespace

int run_report(int /*argc*/, char* /*argv*/[]) {
    ignore_broken_pipe_signal();
    (void)std::setvbuf(stdout, output_buffer, _IOFBF, sizeof output_buffer);
    write_report(stdout);
    // The flush comes before the wait so the whole report, prompt included, is on screen while
    // the program blocks; so does the error of a lost report, which can be read while it waits
    // rather than flash past as a console window closes.
    const int status = report_write_error(flush_report(stdout));
    wait_for_enter();
    return status;
}

}  // namespace polygon_pi
