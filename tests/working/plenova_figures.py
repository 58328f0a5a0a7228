#!/usr/bin/env python3
"""Works out the label texts of the three calculation pages from the published formulas,
independently of the program, for the figures the tests pin.

Arithmetic as the calculator's is described: every formula in extended precision (64-bit
significand, each operation rounded to nearest, ties to even), every stored quantity rounded to
a double. Fractions hold every value exactly; exp and ln come from `decimal` at 40 digits and
are then rounded to the extended format. Number text follows the echo and fixed formats.

    python3 tests/working/plenova_figures.py            # every case the tests pin
    python3 tests/working/plenova_figures.py Share20    # one case
    python3 tests/working/plenova_figures.py --changed Share20   # only what differs from start

A text whose value lies within a millionth of a rounding boundary is marked "NEAR": such a
figure depends on the last bits and is pinned only where the tests say why.
"""
import sys
from decimal import Decimal, getcontext, ROUND_HALF_EVEN, ROUND_HALF_UP
from fractions import Fraction as F

getcontext().prec = 40


def round_bits(q, bits):
    q = F(q)
    if q == 0:
        return F(0)
    sign = -1 if q < 0 else 1
    a = abs(q)
    e = a.numerator.bit_length() - a.denominator.bit_length()
    while F(2) ** e > a:
        e -= 1
    while F(2) ** (e + 1) <= a:
        e += 1
    scale = F(2) ** (e - bits + 1)
    m = a / scale
    n = m.numerator // m.denominator
    rem = m - n
    if rem > F(1, 2) or (rem == F(1, 2) and n % 2 == 1):
        n += 1
    return sign * n * scale


def ext(q):  # one extended-precision operation
    return round_bits(q, 64)


def dbl(q):  # a stored quantity
    return round_bits(q, 53)


def L(text):  # a decimal constant written with the L suffix
    return ext(F(text))


def dec(q):
    return Decimal(q.numerator) / Decimal(q.denominator)


def exp(q):
    return ext(F(dec(q).exp()))


def ln(q):
    return ext(F(dec(q).ln()))


# The formulas, each operation rounded to the extended format.
def pressure(z):
    return ext(exp(ext(L("-0.0001184") * z)) * L("101.325"))


def coefficient(tw):
    return ext(ext(ext(L("0.00115") * tw) + 1) * L("0.00066"))


def sat(t):
    return exp(ext(ext(ext(L("16.78") * t) - L("116.9")) / ext(L("237.3") + t)))


def vapour(ps_tw, A, P, t, tw):
    return ext(ps_tw - ext(ext(A * P) * ext(t - tw)))


def rel_hum(pw, ps_t):
    return ext(ext(pw / ps_t) * 100)


def dew(pw):
    if pw <= 0:
        return None
    lg = ln(pw)
    return ext(ext(ext(lg * L("237.3")) + L("116.9")) / ext(L("16.78") - lg))


def moisture(pw, P):
    return ext(ext(L("0.622") * pw) / ext(P - pw))


def sensible(t):
    return ext(ext(L("1.007") * t) - L("0.026"))


def latent(t, x):
    return ext(ext(ext(L("1.84") * t) + 2501) * x)


def density(t, pw, P):
    return ext(1 / ext(ext(ext(L("273.16") + t) * 287) / ext(ext(P - pw) * 1000)))


# Number text.
NEAR = []


def fixed(v, n, negative_zero=False):
    v = dbl(v)
    neg = v < 0 or (v == 0 and negative_zero)
    d = Decimal(float(abs(v)))  # exact: the value is a double
    # The digit string: 17 decimals below 10, 18 significant digits from 10 up, ties to even.
    places = -17 if d < 10 else d.adjusted() - 17
    s = d.quantize(Decimal(1).scaleb(places), rounding=ROUND_HALF_EVEN)
    # Then half up at the n-th decimal of that digit string.
    r = s.quantize(Decimal(1).scaleb(-n), rounding=ROUND_HALF_UP)
    if abs((s * (10 ** n)) % 1 - Decimal("0.5")) < Decimal("1e-6"):
        NEAR.append((float(v), n))
    return ("-" if neg else "") + format(r, "f")


def echo(v, sep="."):
    v = dbl(v)
    if v == 0:
        return "0"
    d = Decimal(float(abs(v)))
    # 18 significant digits, ties to even, then 15, half up; no trailing zeros.
    s18 = d.quantize(Decimal(1).scaleb(d.adjusted() - 17), rounding=ROUND_HALF_EVEN)
    s15 = s18.quantize(Decimal(1).scaleb(s18.adjusted() - 14), rounding=ROUND_HALF_UP)
    s15 = s15.normalize()
    if Decimal("0.0001") <= s15 < Decimal(10) ** 15:
        text = format(s15, "f")
    else:
        digits = "".join(map(str, s15.as_tuple().digits))
        mantissa = digits[0] + ("." + digits[1:] if len(digits) > 1 else "")
        text = mantissa + "E" + str(s15.adjusted())
    return ("-" if v < 0 else "") + text.replace(".", sep)


# Mixing page.
def mixing(vol=1837, alt=0, share=0, radb=355, rawb=283, oadb=450, oawb=352):
    out = {}
    temp = lambda p: dbl(ext(ext(F(p) / 10) - 10))
    P = dbl(pressure(F(alt)))
    out["LabelMAmAltitude"] = echo(F(alt)) + " m"
    out["LabelMAkPa"] = fixed(P, 3) + " kPa"

    def stream(p_db, p_wb, key):
        db, wb = temp(p_db), temp(p_wb)
        out["LabelMA%sdb" % key] = echo(db) + " °C"
        out["LabelMA%swb" % key] = echo(wb) + " °C"
        A = dbl(coefficient(wb))
        psd = dbl(sat(db))
        psw = dbl(sat(wb))
        pw = dbl(vapour(psw, A, P, db, wb))
        td = dew(pw)
        out["LabelMA%sdp" % key] = fixed(dbl(td), 1) + " °C" if td is not None else "~ °C"
        rh = dbl(rel_hum(pw, psd))
        out["LabelMA%srh" % key] = fixed(max(rh, F(0)), 1) + " %"
        return db, pw, dbl(moisture(pw, P)), dbl(density(db, pw, P))

    radb_, rapw, rax, rad = stream(radb, rawb, "RA")
    oadb_, oapw, oax, oad = stream(oadb, oawb, "OA")
    MAvol = dbl(ext(F(vol) / 10000))
    out["LabelMAvol"] = echo(MAvol) + " m³/s"
    out["LabelMAvolPerHr"] = fixed(ext(MAvol * 3600), 2) + " m³/hr"
    rap = dbl(ext(100 - share))
    oap = dbl(ext(100 - rap))
    out["LabelMARAvolPercent"] = echo(rap) + "% RA"
    out["LabelMAOAvolPercent"] = echo(oap) + "% OA"
    ravol = dbl(ext(ext(rap / 100) * MAvol))
    oavol = dbl(ext(ext(oap / 100) * MAvol))
    out["LabelMARAvol"] = echo(ravol) + " m³/s"
    out["LabelMAOAvol"] = echo(oavol) + " m³/s"
    ramf = dbl(ext(ravol * rad))
    oamf = dbl(ext(oavol * oad))
    out["LabelMARAmf"] = fixed(ramf, 2) + " kg/s"
    out["LabelMAOAmf"] = fixed(oamf, 2) + " kg/s"
    mdb = dbl(ext(ext(ext(ext(oadb_ - radb_) * oap) / 100) + radb_))
    out["LabelMAMAdb"] = fixed(mdb, 1) + " °C"
    total = ext(ramf + oamf)
    wra, woa = ext(ramf / total), ext(oamf / total)
    mpw = dbl(ext(ext(wra * rapw) + ext(woa * oapw)))
    mps = dbl(sat(mdb))
    mrh = dbl(rel_hum(mpw, mps))
    shown = min(max(mrh, F(0)), F(100))
    out["LabelMAMArh"] = fixed(shown, 1) + " %"
    td = dew(mpw)
    out["LabelMAMAdp"] = fixed(dbl(td), 1) + " °C" if td is not None else "~ °C"
    mx = dbl(ext(ext(wra * rax) + ext(woa * oax)))
    out["LabelMAMAx"] = fixed(mx, 4) + " kg/kg"
    out["LabelMAMAd"] = fixed(dbl(density(mdb, mpw, P)), 2) + " kg/m³"
    out["LabelMAMAtotalh"] = fixed(dbl(ext(sensible(mdb) + latent(mdb, mx))), 1) + " kJ/kg"
    w = dbl(L("-10.99"))
    while True:
        psw = dbl(sat(w))
        aw = dbl(coefficient(w))
        pww = dbl(vapour(psw, aw, P, mdb, w))
        f = dbl(rel_hum(pww, mps))
        if ext(f - shown) >= L("0.01"):
            break
        w = dbl(ext(w + L("0.01")))
    out["LabelMAMAwb"] = fixed(w, 1) + " °C" if mrh >= 0 else "~ °C"
    return out


# Cooling page.
def cooling(vol=1837, alt=0, radb=255, rawb=183, sadb=127, sawb=123):
    out = {}
    t = lambda p: dbl(ext(F(p) / 10))
    out["mAltLabel"] = echo(F(alt)) + " m"
    RAdb, RAwb = t(radb), t(rawb)
    out["RAdbLabel"] = echo(RAdb) + " °C"
    out["RAwbLabel"] = echo(RAwb) + " °C"
    P = dbl(pressure(F(alt)))
    A = dbl(coefficient(RAwb))

    def state(db, wb, key):
        psd, psw = dbl(sat(db)), dbl(sat(wb))
        pw = dbl(vapour(psw, A, P, db, wb))
        rh = dbl(rel_hum(pw, psd))
        td = dew(pw)
        out[key + "dpLabel"] = fixed(dbl(td), 1) + " °C" if td is not None else "~"
        x = max(dbl(moisture(pw, P)), F(0))
        hs = dbl(sensible(db))
        hl = dbl(latent(db, x))
        h = dbl(ext(hs + hl))
        d = dbl(density(db, pw, P))
        out[key + "rhLabel"] = fixed(max(rh, F(0)), 1) + " %"
        out[key + "kgPkgLabel"] = fixed(x, 4) + " kg/kg"
        out[key + "htotLabel"] = fixed(h, 1) + " kJ/kg"
        out[key + "dLabel"] = fixed(d, 2) + " kg/m³"
        return x, hs, hl, h, d

    rax, rahs, rahl, rah, rad = state(RAdb, RAwb, "RA")
    out["kPaLabel"] = fixed(P, 3) + "kPa"
    SAdb, SAwb = t(sadb), t(sawb)
    out["SAdbLabel"] = echo(SAdb) + " °C"
    out["SAwbLabel"] = echo(SAwb) + " °C"
    sax, sahs, sahl, sah, sad = state(SAdb, SAwb, "SA")
    RAvol = dbl(ext(F(vol) / 10000))
    out["RAvolLabel"] = echo(RAvol) + " m³/s"
    out["RAvolmcubedPhLabel"] = echo(ext(RAvol * 3600)) + " m³/hr"
    mf = lambda: ext(RAvol * rad)
    SAvol = dbl(ext(mf() / sad))
    out["LabelCoolSAvol"] = fixed(SAvol, 4) + " m³/s"
    out["LabelSAvolPerHr"] = fixed(dbl(ext(SAvol * 3600)), 2) + " m³/hr"
    kW = dbl(ext(mf() * ext(rah - sah)))
    S = dbl(ext(mf() * ext(rahs - sahs)))
    S = S if S >= 0 else F(0)
    La = dbl(ext(mf() * ext(rahl - sahl)))
    La = La if La >= 0 else F(0)
    shf = dbl(ext(S / ext(ext(S + La) + L("0.0001"))))
    out["SHFLabel"] = fixed(shf, 2)
    out["AMFLabel"] = fixed(dbl(mf()), 2) + " kg/s"
    cond = dbl(ext(mf() * ext(rax - sax)))
    cond = cond if cond >= 0 else F(0)
    # Fractions have no signed zero: a zero mass flow times a negative enthalpy difference is
    # a negative zero in the calculator's arithmetic, and the fixed format shows its sign.
    negative_zero = mf() == 0 and ext(rah - sah) < 0
    out["kWLabel"] = fixed(kW, 3, negative_zero) + " kW"
    out["TonsLabel"] = fixed(ext(kW / L("3.516")), 2, negative_zero) + " Ton"
    out["SloadLabel"] = fixed(S, 3) + " kW"
    out["LloadLabel"] = fixed(La, 3) + " kW"
    out["CondensateLabel"] = fixed(cond, 4) + " kg/s"
    out["CondensateLpHLabel"] = fixed(dbl(ext(cond * 3600)), 2) + " litres/hr"
    loads = {"Sload": S, "Lload": La, "LloadLabel": out["LloadLabel"], "SHF": shf}
    return out, loads


# Heating page; `cool` is the cooling loads it reads.
def heating(cool, vol=1755, alt=0, radb=227, rawb=223, sadb=250):
    out = {}
    t = lambda p: dbl(ext(ext(F(p) - 100) / 10))
    RAvol = dbl(ext(F(vol) / 10000))
    out["LabelHeatRAvolume"] = echo(RAvol) + " m³/s"
    out["LabelHeatRAvolPerHr"] = fixed(dbl(ext(RAvol * 3600)), 2) + " m³/hr"
    out["LabelHeatMetersAltitude"] = echo(F(alt)) + " m"
    db, wb = t(radb), t(rawb)
    out["LabelHeatReturnAirDryBulb"] = echo(db) + " °C"
    out["LabelHeatReturnAirWetBulb"] = echo(wb) + " °C"
    P = dbl(pressure(F(alt)))
    out["LabelHeatkPa"] = fixed(P, 3) + "kPa"
    A = dbl(coefficient(wb))
    psd, psw = dbl(sat(db)), dbl(sat(wb))
    pw = dbl(vapour(psw, A, P, db, wb))
    rh = dbl(rel_hum(pw, psd))
    out["LabelHeatRArh"] = fixed(max(rh, F(0)), 1) + " %"
    td = dew(pw)
    out["LabelHeatRAdp"] = out["LabelHeatSAdp"] = (
        fixed(dbl(td), 1) + " °C" if td is not None else "~")
    x = dbl(ext(ext(L("0.018") * pw) / ext(ext(P - pw) * L("0.029"))))
    x = x if x >= 0 else F(0)
    out["LabelHeatReturnAirX"] = out["LabelHeatSupplyAirX"] = fixed(x, 4) + " kg/kg"
    rah = dbl(ext(dbl(sensible(db)) + dbl(latent(db, x))))
    out["LabelHeatRAtotalEnthalpy"] = fixed(rah, 1) + " kJ/kg"
    rad = dbl(density(db, pw, P))
    out["LabelHeatRAdensity"] = fixed(rad, 2) + " kg/m³"
    sdb = t(sadb)
    out["LabelHeatSupplyAirDryBulb"] = echo(sdb) + " °C"
    srh = dbl(ext(ext(100 * pw) / dbl(sat(sdb))))
    srh = min(srh, F(100))
    srh = max(srh, F(0))
    out["LabelHeatSupplyAirRH"] = fixed(srh, 1) + " %"
    sah = dbl(ext(dbl(sensible(sdb)) + dbl(latent(sdb, x))))
    out["LabelHeatSAtotalEnthalpy"] = fixed(sah, 1) + " kJ/kg"
    sad = dbl(density(sdb, pw, P))
    out["LabelHeatSAdensity"] = fixed(sad, 2) + " kg/m³"
    savol = dbl(ext(ext(RAvol * rad) / sad))
    out["LabelHeatSAvol"] = fixed(savol, 1) + " m³/s"
    out["LabelHeatSAvolPerHr"] = fixed(dbl(ext(savol * 3600)), 1) + " m³/hr"
    kw = dbl(ext(ext(RAvol * rad) * ext(sah - rah)))
    out["LabelHeatkW"] = fixed(kw, 2) + " kW"
    out["LabelHeatAirMassFlow"] = fixed(dbl(ext(RAvol * rad)), 2) + " kg/s"
    S, La = cool["Sload"], cool["Lload"]
    out["LabelReHeatkW"] = fixed(dbl(ext(ext(S + La) - kw)), 3) + " kW"
    rs = dbl(ext(S - kw))
    out["LabelReHeatSensible"] = fixed(rs, 3) + " kW"
    out["LabelReHeatLatent"] = cool["LloadLabel"]
    den = ext(rs + La)
    out["LabelReHeatSHF"] = fixed(dbl(ext(rs / den)), 2) if den != 0 else "(divides by zero)"
    return out


CASES = {
    # name: (page, arguments); heating cases take the cooling page at its start state
    "MixingStart": ("mixing", {}),
    "Share20": ("mixing", {"share": 20}),
    "SupersaturatedMixture": ("mixing", {"radb": 200, "rawb": 200, "oadb": 500, "oawb": 500,
                                         "share": 50}),
    "VeryDryStreamsAt20": ("mixing", {"vol": 200000, "share": 30, "radb": 600, "rawb": 100,
                                      "oadb": 600, "oawb": 100}),
    "Share100": ("mixing", {"share": 100}),
    "BothStreamsAtMinus10Saturated": ("mixing", {"radb": 0, "rawb": 0, "oadb": 0, "oawb": 0,
                                                 "share": 50}),
    "MixingAltitude1000": ("mixing", {"alt": 1000}),
    "MixingAltitude2000": ("mixing", {"alt": 2000}),
    "VolumeMinimum": ("mixing", {"vol": 1}),
    "VolumeMaximum": ("mixing", {"vol": 200000}),
    "SmallestStreamVolumes": ("mixing", {"vol": 1, "share": 1}),
    "WetBulbOnAHalf": ("mixing", {"share": 22}),
    "WetBulbOnAnotherHalf": ("mixing", {"share": 43}),
    "CoolingStart": ("cooling", {}),
    "CoolingAltitude2000": ("cooling", {"alt": 2000}),
    "CoolingZeroVolume": ("cooling", {"vol": 0}),
    "MoisterSupplyAir": ("cooling", {"alt": 1000, "vol": 10000, "radb": 300, "rawb": 150,
                                     "sadb": 150, "sawb": 150}),
    "SupplyTakesReturnCoefficient": ("cooling", {"radb": 500, "rawb": 500, "sadb": 200,
                                                 "sawb": 100}),
    "VeryDryReturnAir": ("cooling", {"radb": 500, "rawb": 0, "sawb": 0}),
    "CoolingMaximumVolume": ("cooling", {"vol": 200000}),
    "EqualAirStates": ("cooling", {"sadb": 255, "sawb": 183}),
    "DutyRaisedToZero": ("cooling", {"alt": 1000, "vol": 0, "radb": 300, "rawb": 150,
                                     "sadb": 150, "sawb": 150}),
    "SaturatedReturnAir": ("cooling", {"rawb": 255}),
    "SmallSensibleDuty": ("cooling", {"alt": 0, "vol": 1, "radb": 300, "rawb": 150,
                                      "sadb": 150, "sawb": 150}),
    "HeatingStart": ("heating", {}),
    "HeatingAltitude1000": ("heating", {"alt": 1000}),
    # Moved on the mixing or cooling page, the heating page recalculates first, on the cooling
    # loads of the old altitude.
    "HeatingAltitude1000OnLoadsAt0": ("heating", {"alt": 1000, "loads_alt": 0}),
    "SupplyEqualToReturnDryBulb": ("heating", {"sadb": 227}),
    "WetBulbEqualToDryBulbAtPosition0": ("heating", {"radb": 0, "rawb": 0}),
    "Dry30Over5": ("heating", {"radb": 400, "rawb": 150, "sadb": 400}),
    "Volume0": ("heating", {"vol": 0}),
    "SupplyAt50": ("heating", {"sadb": 600}),
}


def run(name, page, args):
    if page == "mixing":
        texts = mixing(**args)
    elif page == "cooling":
        texts = cooling(**args)[0]
    else:
        # A heating altitude move recalculates the cooling page first: the reheat group
        # reads the loads at the new altitude.
        args = dict(args)
        loads_alt = args.pop("loads_alt", args.get("alt", 0))
        texts = heating(cooling(alt=loads_alt)[1], **args)
    print("==", name, args)
    if CHANGED_ONLY and page not in START:
        START[page] = {"mixing": mixing, "cooling": lambda: cooling()[0],
                       "heating": lambda: heating(cooling()[1])}[page]()
    start = START.get(page, {})
    for key in sorted(texts):
        if start.get(key) != texts[key]:
            print('   {"%s", "%s"},' % (key, texts[key]))


CHANGED_ONLY = False
START = {}

if __name__ == "__main__":
    args = sys.argv[1:]
    if args[:1] == ["--changed"]:  # only the texts that differ from the page's start texts
        CHANGED_ONLY = True
        args = args[1:]
    wanted = args or list(CASES)
    for name in wanted:
        page, args = CASES[name]
        NEAR.clear()
        run(name, page, args)
        for value, n in NEAR:
            print("   NEAR a boundary: %r at %d decimals" % (value, n))
