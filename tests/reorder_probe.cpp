// Arithmetic that -fassociative-math and -freciprocal-math compile differently, so that a test can
// show what the build does with them; the recurrence itself happens to compile the same.
double reassociated(double a, double b) { return (a + b) - a; }
double reciprocal(double x) { return x / 3.0; }
