// The process entry point: everything happens in run_report.
#include "report.hpp"

int main(int argc, char* argv[]) { return polygon_pi::run_report(argc, argv); }
