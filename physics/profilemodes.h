#ifndef PROFILEMODES_H
#define PROFILEMODES_H

// One exact calculation for a fiber of any radial profile: every guided LP
// mode of a layered (layeredmodes.h) or graded (gradedmodes.h) profile, the
// leaky LP modes of a trench-bounded layered fiber (leakymodes.h), optionally
// the vector modes of a layered fiber (layeredvector.h), and for each LP mode
// what engineers design with. Scalar field psi(r) cos(m phi) throughout:
//
// * Power in each layer and the core fraction: int psi^2 r dr over the layer
//   over the total; the "core" is the set of layers of the highest index (the
//   graded region r < a for a graded profile).
// * A_eff = (int I dA)^2 / int I^2 dA, I = psi^2 cos^2(m phi):
//   2 pi (int psi^2 r)^2 / int psi^4 r (m = 0), (4 pi/3) (...) (m > 0), as in
//   modeproperties.h.
// * MFD, Petermann II (Petermann, Electron. Lett. 19, 712 (1983)):
//   MFD = 2 w, w^2 = 2 int psi^2 r / int (psi'^2 + m^2 psi^2/r^2) r.
// * Overlap with a doped radius r_d: power inside r_d over the total.
// * Group index from the scalar wave equation with wavelength-independent
//   indices (Snyder & Love, Optical Waveguide Theory, ch. 11 / 33):
//   n_g = int n^2 psi^2 r / (neff int psi^2 r).
// * Waveguide dispersion D = -(lambda/c) d^2 neff/d lambda^2 by a central
//   difference over lambda (1 +- 1e-3) of neff re-solved there (layered
//   profiles; NaN for graded ones, whose re-solution is not bracketed here).
// Integrals by 16-point Gauss-Legendre on panels no wider than 1/64 of the
// outer radius, split at every interface and at r_d; the cladding tail to
// 40 decay lengths on panels growing from the interface.
// Leaky modes carry the properties of the fiber whose trench extends to
// infinity (their field there), and their loss.

#include "gradedmodes.h"
#include "layeredmodes.h"
#include "layeredvector.h"
#include "leakymodes.h"

#include <string>
#include <vector>

struct ProfileRequest {
    enum class Kind { Layers, PowerLaw, Table };
    Kind kind = Kind::Layers;
    LayeredFiber layers;  // Layers
    GradedProfile graded; // PowerLaw, Table
    bool vectorModes = false;
    double dopedRadius = 0.0; // m
};

struct ProfileModeRow {
    std::string name; // LP01, HE11, TE01, ...
    bool vector = false;
    bool leaky = false;
    int m = 0, n = 1;
    double neff = 0.0;
    double neffImag = 0.0;
    double lossDbPerKm = 0.0;
    double effectiveArea = 0.0; // m^2
    double mfd = 0.0;           // m
    double coreFraction = 0.0;
    double dopedOverlap = 0.0;
    double groupIndex = 0.0;
    double dispersion = 0.0;        // ps/(nm km)
    std::vector<double> layerPower; // fraction per layer, then the cladding
};

struct ProfileModeSet {
    std::string problem; // non-empty: refused, with the reason
    std::vector<ProfileModeRow>
        rows; // LP rows in table order, each followed by its vector rows; leaky rows last
    int lpCount = 0;
    int leakyCount = 0;
    int leakyUnresolved = 0; // leaky starts whose continuation did not converge
    int vectorExpected = 0;  // layeredvector.h count check
    int vectorFound = 0;
    double convergence = 0.0;          // graded: largest neff change with the integrator tolerance
    std::vector<double> profileRadius; // the index profile for plotting (m)
    std::vector<double> profileIndex;
};

ProfileModeSet computeProfileModes(const ProfileRequest &request);

#endif // PROFILEMODES_H
