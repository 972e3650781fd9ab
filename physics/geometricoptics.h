#ifndef GEOMETRICOPTICS_H
#define GEOMETRICOPTICS_H

// Reflection and refraction at a plane interface between two media of real
// refractive index n1 (incident side) and n2 (refracting side). Angles are in
// radians and measured from the surface normal.
//
// The expressions are evaluated in a fixed operation order (Snell's law is
// "multiply, then divide"; degrees are "divide by pi, then multiply by 180")
// because the page shows these values to four or six digits and users compare
// them with results they have noted earlier. No argument is checked: a zero
// index gives the IEEE infinity or NaN that the caller displays.

namespace geometricoptics {

// pi as the double the pages have always used, and the degrees in half a turn.
constexpr double kPi = 3.141592653589793;
constexpr double kHalfTurnDegrees = 180.0;

// Angle of refraction from Snell's law n1 sin(theta1) = n2 sin(theta2):
// asin(sin(theta1) * n1 / n2). NaN when the argument exceeds 1 (total
// internal reflection) or is 0/0.
//
// At theta1 equal to the critical angle the exact argument is 1, but the
// rounded product can come out one ulp above it (for about one index pair in
// twenty-five), which would turn the grazing ray of 90 degrees into NaN. An
// excess of a few ulps is therefore treated as exactly 1; anything larger is
// genuine total reflection and stays NaN.
double refractionAngle(double n1, double n2, double theta1);

// Brewster angle atan(n2 / n1): the reflected p-polarised wave vanishes.
double brewsterAngle(double n1, double n2);

// Critical angle of total internal reflection asin(n2 / n1); only meaningful
// for n2 < n1 (NaN for n2 > n1).
double criticalAngle(double n1, double n2);

// radians / pi * 180: how results are turned into degrees.
double radiansToDegrees(double radians);
// degrees / 180 * pi: how an entered angle of incidence becomes radians.
double degreesToRadians(double degrees);
// radians * 180 / pi: used only to refill an emptied degree field from the
// radian field (kept separate because the operation order differs).
double radiansTimes180OverPi(double radians);

// Everything the page shows for one interface.
struct Interface {
    double refraction = 0;        // theta2 [rad]; not shown under total reflection
    double brewster = 0;          // theta_b [rad]
    double critical = 0;          // theta_c [rad]; defined only if hasCritical
    bool hasCritical = false;     // n2 < n1
    bool totalReflection = false; // hasCritical and theta_c < theta1 (strictly)
};

// Evaluates the three angles for n1, n2 and the angle of incidence theta1
// [rad], in the order refraction, Brewster, critical.
Interface solveInterface(double n1, double n2, double theta1);

} // namespace geometricoptics

#endif // GEOMETRICOPTICS_H
