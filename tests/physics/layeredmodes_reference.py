#!/usr/bin/python3
"""Independent reference for the layered, graded and leaky mode engine
(physics/layeredmodes, layeredvector, gradedmodes, leakymodes): effective
indices solved with mpmath at 30 significant digits (45 for the power series).

Methods (none of them the engine's):
* Layered fibers, scalar LP_m: the global boundary-value determinant. Unknowns
  are the coefficients of J_m/Y_m (or I_m/K_m where neff exceeds the layer's
  index) in every layer, J_m (I_m) alone in the centre and K_m alone in the
  cladding; psi and dpsi/dr continuous at every interface give a 2N x 2N matrix
  whose determinant vanishes at a mode (e.g. Snyder & Love, Optical Waveguide
  Theory, ch. 14; Yeh & Lindgren, Appl. Opt. 16, 483 (1977)).
* Layered fibers, vector modes: the same for E_z = e cos(nu phi),
  Z0 H_z = h sin(nu phi) with E_phi, H_phi from Okamoto, Fundamentals of Optical
  Waveguides, eq. 3.8: a 4N x 4N determinant.
* Power-law profiles n^2 = n1^2 (1 - 2 Delta x^alpha), x = r/a (integer alpha):
  the Frobenius series psi = x^m sum c_j x^j of the radial equation,
  c_j j (j + 2m) = -U^2 c_{j-2} + V^2 c_{j-2-alpha}, summed at 45 digits and
  matched to K_m(W x) at x = 1 (Gloge & Marcatili, Bell Syst. Tech. J. 52, 1563
  (1973) for the profile; the series is the textbook Frobenius method).
* Leaky modes: the layered scalar determinant with the outgoing Hankel
  function H^(1)_m in the outer layer (fields ~ exp(i(beta z - omega t))),
  solved in the complex plane by mpmath.findroot (secant) from the real root of
  the fiber whose trench extends to infinity.
Roots of the real determinants: sign changes on a dense grid, never across a
layer's index (where the basis changes and the determinant's sign with it),
refined by Illinois regula falsi to 1e-25.

Run:  /usr/bin/python3 layeredmodes_reference.py > data/layeredmodes_reference.txt
Each line: case  kind  mode  Re(neff)  Im(neff)
"""
import mpmath as mp

mp.mp.dps = 30
TWO_PI = 2 * mp.pi

# case id, outer radii (um), indices, cladding index, wavelength (um), vector?
LAYERED = [
    ("step", ["2"], ["1.47"], "1.45", "1.0", True),
    ("w", ["4", "8"], ["1.4550", "1.4470"], "1.4500", "1.55", True),
    ("pedestal", ["10", "30"], ["1.4520", "1.4510"], "1.4500", "1.064", True),
    ("ring", ["5", "8"], ["1.4500", "1.4550"], "1.4500", "1.55", True),
    ("trench", ["4", "10", "14"], ["1.4450", "1.4400", "1.4350"], "1.4400", "1.55", True),
]
# case id, a (um), n1, n2, alpha, wavelength (um)
POWER_LAW = [
    ("parabolic1000", "25", "1.47", "1.45", 2, "1.0"),
    ("parabolic1550", "25", "1.47", "1.45", 2, "1.55"),
    ("alpha1", "10", "1.46", "1.45", 1, "1.064"),
    ("alpha10", "10", "1.46", "1.45", 10, "1.064"),
]
LEAKY = ("leaky", ["4", "20"], ["1.44", "1.41"], "1.43", "1.6")


def cyl(kind, m, x):
    """Values and x-derivatives of the two basis functions."""
    if kind == "JY":
        f1, f2 = mp.besselj(m, x), mp.bessely(m, x)
        d1 = (mp.besselj(m - 1, x) - mp.besselj(m + 1, x)) / 2
        d2 = (mp.bessely(m - 1, x) - mp.bessely(m + 1, x)) / 2
    else:
        f1, f2 = mp.besseli(m, x), mp.besselk(m, x)
        d1 = (mp.besseli(m - 1, x) + mp.besseli(m + 1, x)) / 2
        d2 = -(mp.besselk(m - 1, x) + mp.besselk(m + 1, x)) / 2
    return f1, d1, f2, d2


def layer_kind(n, neff, k0):
    s = k0**2 * (n**2 - neff**2)
    return ("JY", mp.sqrt(s)) if s > 0 else ("IK", mp.sqrt(-s))


def scalar_det(radii, indices, nclad, lam, m, neff):
    k0 = TWO_PI / lam
    layers = len(radii)
    size = 2 * layers
    A = mp.matrix(size, size)
    # column layout: centre A (1 col), layers 2..N (A, B), cladding K (1 col)
    def col(i, which):
        return 0 if i == 0 else 1 + 2 * (i - 1) + which
    for i, r in enumerate(radii):
        # left of r: layer i; right: layer i+1 or cladding
        kind, k = layer_kind(indices[i], neff, k0)
        f1, d1, f2, d2 = cyl(kind, m, k * r)
        A[2 * i, col(i, 0)] += f1
        A[2 * i + 1, col(i, 0)] += k * d1
        if i > 0:
            A[2 * i, col(i, 1)] += f2
            A[2 * i + 1, col(i, 1)] += k * d2
        if i + 1 < layers:
            kind, k = layer_kind(indices[i + 1], neff, k0)
            f1, d1, f2, d2 = cyl(kind, m, k * r)
            A[2 * i, col(i + 1, 0)] -= f1
            A[2 * i + 1, col(i + 1, 0)] -= k * d1
            A[2 * i, col(i + 1, 1)] -= f2
            A[2 * i + 1, col(i + 1, 1)] -= k * d2
        else:
            g = k0 * mp.sqrt(neff**2 - nclad**2)
            A[2 * i, size - 1] -= mp.besselk(m, g * r)
            A[2 * i + 1, size - 1] -= g * cyl("IK", m, g * r)[3]
    return mp.det(A)


def vector_det(radii, indices, nclad, lam, nu, neff, part=None):
    """part: None (full), 'TE' or 'TM' for nu = 0."""
    k0 = TWO_PI / lam
    beta = k0 * neff
    layers = len(radii)
    size = 4 * layers
    M = mp.matrix(size, size)

    def rows(n, kind, k, r, which):
        # the four field components of the basis function `which` (0 or 1),
        # for e (E_z) and for h (Z0 H_z)
        f1, d1, f2, d2 = cyl(kind, nu, k * r)
        f, d = (f1, k * d1) if which == 0 else (f2, k * d2)
        s = k0**2 * n**2 - beta**2
        c = beta * nu / r
        # columns: e-coefficient, h-coefficient
        return ([f, 0, c * f / s, -k0 * n**2 * d / s],
                [0, f, k0 * d / s, -c * f / s])

    def cols(i):
        # centre: e_A, h_A; middle: e_A, e_B, h_A, h_B; cladding: e_K, h_K
        if i == 0:
            return {(0, 0): 0, (1, 0): 1}
        if i == layers:
            return {(0, 1): size - 2, (1, 1): size - 1}
        base = 2 + 4 * (i - 1)
        return {(0, 0): base, (0, 1): base + 1, (1, 0): base + 2, (1, 1): base + 3}

    for i, r in enumerate(radii):
        for side, sign in ((i, 1), (i + 1, -1)):
            n = indices[side] if side < layers else nclad
            kind, k = layer_kind(n, neff, k0)
            for (field, which), c in cols(side).items():
                vals = rows(n, kind, k, r, which)[field]
                for comp in range(4):
                    M[4 * i + comp, c] += sign * vals[comp]
    if part is None:
        return mp.det(M)
    # nu = 0: e (TM) and h (TE) decouple; keep the rows and columns of one.
    keep_field = 1 if part == "TE" else 0
    comp_rows = (1, 2) if part == "TE" else (0, 3)
    cs = []
    for i in range(layers + 1):
        for (field, which), c in cols(i).items():
            if field == keep_field:
                cs.append(c)
    rs = [4 * i + comp for i in range(layers) for comp in comp_rows]
    S = mp.matrix(len(rs), len(cs))
    for a, r in enumerate(rs):
        for b, c in enumerate(cs):
            S[a, b] = M[r, c]
    return mp.det(S)


def illinois(f, lo, hi, flo, fhi):
    for _ in range(300):
        mid = (lo * fhi - hi * flo) / (fhi - flo)
        if not (lo < mid < hi):
            mid = (lo + hi) / 2
        fm = f(mid)
        if fm == 0:
            return mid
        if (fm > 0) == (flo > 0):
            lo, flo = mid, fm
            fhi /= 2
        else:
            hi, fhi = mid, fm
            flo /= 2
        if hi - lo < mp.mpf("1e-25"):
            break
    return (lo + hi) / 2


def roots_on(f, breaks, points):
    """Sign changes of f on a grid in each open interval between breaks."""
    roots = []
    for lo, hi in zip(breaks[:-1], breaks[1:]):
        width = hi - lo
        # Grid to within 1e-12 of the ends: a root between an end and the
        # first sample would otherwise be missed.
        edge = width * mp.mpf("1e-12")
        xs = [lo + edge] + [lo + width * mp.mpf(k) / points for k in range(1, points)] + [hi - edge]
        fs = [f(x) for x in xs]
        for x0, x1, f0, f1 in zip(xs[:-1], xs[1:], fs[:-1], fs[1:]):
            if f0 == 0 or f1 == 0 or (f0 > 0) != (f1 > 0):
                roots.append(illinois(f, x0, x1, f0, f1))
    return sorted(roots, reverse=True)


def level_breaks(indices, nclad):
    top = max(indices)
    levels = sorted(set([nclad, top] + [n for n in indices if nclad < n < top]))
    return levels


def name(prefix, order, radial):
    sep = "," if order >= 10 or radial >= 10 else ""
    return "%s%d%s%d" % (prefix, order, sep, radial)


def out(case, kind, mode, re, im=0):
    print("%s %s %s %s %s" % (case, kind, mode, mp.nstr(re, 25), mp.nstr(im, 6)))


def layered_case(case, radii, indices, nclad, lam, vector):
    radii = [mp.mpf(r) * mp.mpf("1e-6") for r in radii]
    indices = [mp.mpf(n) for n in indices]
    nclad = mp.mpf(nclad)
    lam = mp.mpf(lam) * mp.mpf("1e-6")
    breaks = level_breaks(indices, nclad)
    lp = {}
    m = 0
    while True:
        f = lambda x, m=m: scalar_det(radii, indices, nclad, lam, m, x)
        roots = roots_on(f, breaks, 100)
        if not roots:
            break
        for k, x in enumerate(roots):
            out(case, "LP", name("LP", m, k + 1), x)
            lp[(m, k + 1)] = x
        m += 1
    if not vector:
        return
    # Vector: the roots of each family's determinant next to the LP levels
    # they pair with (HE_nu,n by LP_nu-1,n, EH_nu,n by LP_nu+1,n, TE/TM_0n by
    # LP_1n), each searched on a dense grid between the midpoints to the
    # neighbouring levels of that family.
    for nu in range(0, m + 1):
        parts = ["TE", "TM"] if nu == 0 else [None]
        for part in parts:
            f = lambda x, nu=nu, part=part: vector_det(radii, indices, nclad, lam, nu, x, part)
            if nu == 0:
                cands = [(lp[k], part, k[1]) for k in lp if k[0] == 1]
            else:
                cands = [(lp[k], "HE", k[1]) for k in lp if k[0] == nu - 1]
                cands += [(lp[k], "EH", k[1]) for k in lp if k[0] == nu + 1]
            cands.sort(key=lambda c: -c[0])
            levels = [nclad] + [n for n in indices if n > nclad] + [max(indices)]
            for k, c in enumerate(cands):
                hi = max(indices) if k == 0 else (cands[k - 1][0] + c[0]) / 2
                lo = nclad if k + 1 == len(cands) else (cands[k + 1][0] + c[0]) / 2
                cuts = sorted(set([lo, hi] + [n for n in levels if lo < n < hi]))
                for x in roots_on(f, cuts, 40):
                    out(case, "VEC", name(c[1], nu, c[2]), x)


def series_f(m, alpha, U2, V2, W):
    """F = psi'(1) + psi(1) (W K_{m-1}(W)/K_m(W) + m), psi = x^m sum c_j x^j."""
    with mp.workdps(45):
        c = {0: mp.mpf(1)}
        psi = mp.mpf(1)
        dpsi = mp.mpf(m)
        j = 1
        small = 0
        while True:
            v = mp.mpf(0)
            if j - 2 >= 0:
                v -= U2 * c.get(j - 2, 0)
            if j - 2 - alpha >= 0:
                v += V2 * c.get(j - 2 - alpha, 0)
            cj = v / (j * (j + 2 * m))
            c[j] = cj
            psi += cj
            dpsi += (j + m) * cj
            if abs(cj) * (j + m) < mp.mpf("1e-42") * (abs(psi) + abs(dpsi)) and j > 2 * alpha + 4:
                small += 1
                if small > alpha + 2:
                    break
            else:
                small = 0
            j += 1
        km = mp.besselk(m, W)
        kr = mp.besselk(abs(m - 1), W) / km
        return dpsi + psi * (W * kr + m)


def power_law_case(case, a, n1, n2, alpha, lam):
    a = mp.mpf(a) * mp.mpf("1e-6")
    n1, n2 = mp.mpf(n1), mp.mpf(n2)
    k0 = TWO_PI / (mp.mpf(lam) * mp.mpf("1e-6"))
    V2 = (a * k0)**2 * (n1**2 - n2**2)
    m = 0
    total = 0
    while True:
        def f(neff, m=m):
            U2 = (a * k0)**2 * (n1**2 - neff**2)
            W = a * k0 * mp.sqrt(neff**2 - n2**2)
            return series_f(m, alpha, U2, V2, W)
        roots = roots_on(f, [n2, n1], 60)
        if not roots:
            break
        for k, x in enumerate(roots):
            out(case, "LP", name("LP", m, k + 1), x)
        total += len(roots)
        m += 1


def hankel_det(radii, indices, nout, lam, m, neff):
    """Scalar determinant with H^(1)_m outside, at complex neff."""
    k0 = TWO_PI / lam
    layers = len(radii)
    size = 2 * layers
    A = mp.matrix(size, size)

    def basis(n, r):
        k = k0 * mp.sqrt(n**2 - neff**2)
        x = k * r
        f1, f2 = mp.besselj(m, x), mp.bessely(m, x)
        d1 = (mp.besselj(m - 1, x) - mp.besselj(m + 1, x)) / 2
        d2 = (mp.bessely(m - 1, x) - mp.bessely(m + 1, x)) / 2
        return f1, k * d1, f2, k * d2

    def col(i, which):
        return 0 if i == 0 else 1 + 2 * (i - 1) + which
    for i, r in enumerate(radii):
        f1, d1, f2, d2 = basis(indices[i], r)
        A[2 * i, col(i, 0)] += f1
        A[2 * i + 1, col(i, 0)] += d1
        if i > 0:
            A[2 * i, col(i, 1)] += f2
            A[2 * i + 1, col(i, 1)] += d2
        if i + 1 < layers:
            f1, d1, f2, d2 = basis(indices[i + 1], r)
            A[2 * i, col(i + 1, 0)] -= f1
            A[2 * i + 1, col(i + 1, 0)] -= d1
            A[2 * i, col(i + 1, 1)] -= f2
            A[2 * i + 1, col(i + 1, 1)] -= d2
        else:
            k = k0 * mp.sqrt(nout**2 - neff**2)
            x = k * r
            h = mp.hankel1(m, x)
            dh = (mp.hankel1(m - 1, x) - mp.hankel1(m + 1, x)) / 2
            A[2 * i, size - 1] -= h
            A[2 * i + 1, size - 1] -= k * dh
    return mp.det(A)


def leaky_case(case, radii, indices, nout, lam):
    radii = [mp.mpf(r) * mp.mpf("1e-6") for r in radii]
    indices = [mp.mpf(n) for n in indices]
    nout = mp.mpf(nout)
    lam = mp.mpf(lam) * mp.mpf("1e-6")
    k0 = TWO_PI / lam
    # Real modes of the fiber whose last layer extends to infinity.
    inner_r, inner_n, inner_clad = radii[:-1], indices[:-1], indices[-1]
    breaks = level_breaks(inner_n, inner_clad)
    m = 0
    while True:
        f = lambda x, m=m: scalar_det(inner_r, inner_n, inner_clad, lam, m, x)
        roots = roots_on(f, breaks, 240)
        if not roots:
            break
        for k, x in enumerate(roots):
            mode = name("LP", m, k + 1)
            if x > nout:
                g = lambda y, m=m: scalar_det(radii, indices, nout, lam, m, y)
                exact = mp.findroot(g, (x - mp.mpf("1e-9"), x + mp.mpf("1e-9")),
                                    solver="secant")
                out(case, "LP", mode, exact)
                continue
            h = lambda y, m=m: hankel_det(radii, indices, nout, lam, m, y)
            z = mp.findroot(h, (mp.mpc(x, 0), mp.mpc(x, 1e-9)), solver="secant",
                            tol=mp.mpf("1e-40"), maxsteps=60, verify=False)
            out(case, "LEAKY", mode, z.real, z.imag)
        m += 1


if __name__ == "__main__":
    import sys
    # Optional case ids select cases (to run them in parallel).
    which = sys.argv[1:]
    for c in LAYERED:
        if not which or c[0] in which:
            layered_case(*c)
    for c in POWER_LAW:
        if not which or c[0] in which:
            power_law_case(*c)
    if not which or LEAKY[0] in which:
        leaky_case(*LEAKY)
