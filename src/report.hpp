// The console report: its fixed texts, the row format, and the run from first line to last key.
#ifndef POLYGON_PI_REPORT_HPP
#define POLYGON_PI_REPORT_HPP

namespace polygon_pi {

inline constexpr char kProgramName[] = "polygon-pi";

inline constexpr char kTitle[] = "\n    Quorvandis' Method for Calculating Pi\n";
inline constexpr char kSubtitle[] = "(using the length of the sides of polygons):\n";
inline constexpr char kHeading[] = "\n  Number of Sides    Approximate Value of Pi\n";
inline constexpr char kRule[] = "  ---------------    -----------------------\n";
inline constexpr char kNoteFirstLine[] = "\n      Note:          3.1415926535897932 is\n";
inline constexpr char kNoteSecondLine[] = "      the actual value of Pi to 16 places.\n\n";
inline constexpr char kPrompt[] = "\n Press ENTER to close window.\n\n";

// Side count, then the estimate; both are doubles.
inline constexpr char kRowFormat[] = "  %9.0f          %18.16f\n";

// Writes the report to standard output, waits for ENTER (or end of input) and returns the exit
// status: 0, or 1 when the report could not be written. The command line is ignored.
int run_report(int argc, char* argv[]);

}  // namespace polygon_pi

#endif
