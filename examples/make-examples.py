#!/usr/bin/env python3
"""Writes the example contest logs of this folder.

    examples/cw/DL1ABC.log    CQ WW 160 CW weekend 2027, Cabrillo 3.0
    examples/ssb/W3ABC.log    CQ WW 160 SSB weekend 2027, Cabrillo 3.0
    examples/ssb/W3ABC.adi    the same SSB log as ADIF
    examples/cw-adif/DL1ABC.adi  the CW log as ADIF the way other loggers
                              write it: exchanges as SRX/STX numbers and
                              STATE/VE_PROV fields, some records with BAND
                              but no FREQ
    examples/period/OK1ABC.log  CQ WW 160 CW weekend 2028 with QSOs just
                              before and after the contest period
    examples/compare/OK2ABC.log, RA3ABC.log  two rivals of DL1ABC on the
                              same CW weekend, for cq160 report's comparison
                              (RA3ABC's NAME in Windows-1251 Cyrillic)
    examples/rules/IT9ABC.log   a short CW log from Sicily with one QSO for
                              each rule a log checker must get right

The logs are synthetic but shaped like real ones: QSOs through the nights
of the weekend, mostly Europe and North America, W/VE stations with their
states and provinces, and the cases a log checker has to get right: dupes,
US stations sending Alaska or Hawaii (countries in this contest, not
states), a
Quebec station sending the old "PQ", a QSO on 80 m and one in the other
mode, portable and mobile calls, calls with a foreign prefix or suffix,
the entities the scoring module counts on their own (Sicily, European
Turkey, Kosovo, the ITU in Geneva, African Italy, Shetland), a maritime
mobile station, Canadian stations sending today's "NL" and "NT", and KG4
calls of Guantanamo Bay and of the USA. A fixed seed makes every run write the
same bytes; the outputs are kept in the repository with the module's
expected results beside them (examples/<name>/expected/).

    python3 examples/make-examples.py
"""

import os
import random

HERE = os.path.dirname(os.path.abspath(__file__))

# Prefix, the digits its calls use ("" when the prefix has its own), CQ zone.
EUROPE = [
    ("G", "34", 14), ("M", "05", 14), ("F", "5689", 14), ("I", "12358", 15),
    ("EA", "1357", 14), ("OK", "12", 15), ("OM", "357", 15), ("SP", "23569", 15),
    ("HA", "1358", 15), ("S5", "0", 15), ("9A", "1235", 15), ("YU", "147", 15),
    ("LZ", "12", 20), ("YO", "2359", 20), ("UR", "0357", 16), ("UA", "136", 16),
    ("RA", "36", 16), ("ES", "125", 15), ("YL", "23", 15), ("LY", "125", 15),
    ("OH", "1268", 15), ("SM", "0357", 14), ("LA", "1579", 14), ("OZ", "157", 14),
    ("ON", "457", 14), ("PA", "0357", 14), ("HB9", "", 14), ("OE", "1356", 15),
    ("EI", "57", 14), ("GM", "34", 14), ("GW", "34", 14), ("GI", "4", 14),
    ("CT", "127", 14), ("SV", "1238", 20), ("E7", "0", 15), ("Z3", "5", 15),
    ("ER", "13", 16), ("EW", "168", 16), ("9H", "1", 15), ("LX", "1", 14),
    ("TF", "3", 40), ("OY", "1", 14), ("IS0", "", 15), ("EA6", "", 14),
    ("OH0", "", 15), ("GD", "4", 14), ("GU", "4", 14), ("UA2", "", 15),
    ("CU", "3", 14), ("4O", "3", 15), ("YT", "1", 15),
]
GERMANY = [("DL", "123456789", 14), ("DK", "0123", 14), ("DJ", "258", 14), ("DF", "14", 14)]
ASIA = [("JA", "123", 25), ("UA9", "", 17), ("UN", "7", 17), ("4X", "1", 20),
        ("A4", "1", 21), ("TA", "2", 20), ("5B", "4", 20), ("HZ", "1", 21)]
AFRICA = [("ZS", "16", 38), ("CN", "8", 33), ("EA8", "", 33), ("CT3", "", 33),
          ("D4", "4", 35), ("3V", "8", 33), ("EA9", "", 33)]
SOUTH_AMERICA = [("PY", "25", 11), ("LU", "1", 13), ("CE", "3", 12), ("HK", "1", 9),
                 ("YV", "5", 9), ("P4", "0", 9), ("9Y", "4", 9), ("PJ2", "", 9)]
OCEANIA = [("VK", "23", 30), ("ZL", "12", 32), ("KH6", "", 31), ("YB", "1", 28)]
NORTH_AMERICA_DX = [("KP4", "", 8), ("VP9", "", 5), ("XE", "1", 6), ("KL7", "", 1),
                    ("CO", "2", 8), ("8P", "6", 8), ("FM", "5", 8)]

# US call areas with their states; Canadian prefixes with their provinces.
US_AREAS = {
    "1": ["MA", "CT", "ME", "NH", "RI", "VT"], "2": ["NY", "NJ"],
    "3": ["PA", "MD", "DE", "DC"], "4": ["FL", "GA", "AL", "TN", "KY", "VA", "NC", "SC"],
    "5": ["TX", "OK", "LA", "AR", "MS", "NM"], "6": ["CA"],
    "7": ["WA", "OR", "ID", "MT", "WY", "NV", "UT", "AZ"], "8": ["OH", "MI", "WV"],
    "9": ["IL", "IN", "WI"], "0": ["MN", "IA", "MO", "KS", "NE", "SD", "ND", "CO"],
}
US_PREFIXES = ["K", "W", "N", "AA", "KB", "WA", "KD", "NA"]
CANADA = [("VE1", "NS"), ("VE2", "QC"), ("VE3", "ON"), ("VA3", "ON"), ("VE4", "MB"),
          ("VE5", "SK"), ("VE6", "AB"), ("VE7", "BC"), ("VA7", "BC"), ("VE9", "NB"),
          ("VO1", "NF"), ("VO2", "LB"), ("VE8", "NWT"), ("VY1", "YT"), ("VY0", "NU")]

LETTERS = "ABCDEFGHIJKLMNOPQRSTUVWXYZ"


class Station:
    def __init__(self, call, exchange):
        self.call = call
        self.exchange = exchange


class Maker:
    def __init__(self, seed):
        self.rng = random.Random(seed)
        self.used = set()

    def suffix(self, length):
        return "".join(self.rng.choice(LETTERS) for _ in range(length))

    def call(self, prefix, digits, length=None):
        while True:
            n = length or self.rng.choice([2, 3, 3])
            digit = self.rng.choice(digits) if digits else ""
            call = prefix + digit + self.suffix(n)
            if call not in self.used:
                self.used.add(call)
                return call

    def dx(self, table):
        prefix, digits, zone = self.rng.choice(table)
        return Station(self.call(prefix, digits), "%02d" % zone)

    def us(self):
        area = self.rng.choice(sorted(US_AREAS))
        prefix = self.rng.choice(US_PREFIXES)
        length = 2 if len(prefix) == 2 else self.rng.choice([2, 3])
        return Station(self.call(prefix, area, length), self.rng.choice(US_AREAS[area]))

    def canada(self):
        prefix, province = self.rng.choice(CANADA)
        return Station(self.call(prefix, "", self.rng.choice([2, 3])), province)

    def times(self, count, windows):
        """count sorted QSO minutes (OLE-free: (day, hour, minute) tuples)."""
        minutes = []
        for day, start, end in windows:
            minutes += [(day, m // 60, m % 60) for m in range(start * 60, end * 60)]
        picked = sorted(self.rng.sample(range(len(minutes)), count))
        return [minutes[i] for i in picked]


def cabrillo(path, header, qsos, transmitter):
    lines = ["START-OF-LOG: 3.0"] + header
    for q in qsos:
        tag = "X-QSO:" if q.get("x") else "QSO:"
        fields = "%5s %s %s %04d %-13s %3s %-6s %-13s %3s %-6s" % (
            q["khz"], q["mode"], q["date"], q["time"], q["own"], q["rst_sent"],
            q["exch_sent"], q["call"], q["rst_rcvd"], q["exch_rcvd"])
        if transmitter:
            fields += " 0"
        lines.append(tag + " " + fields.rstrip())
    lines.append("END-OF-LOG:")
    with open(path, "wb") as f:
        f.write(("\r\n".join(lines) + "\r\n").encode("cp1251"))


def adif_field(name, value):
    return "<%s:%d>%s" % (name, len(value), value)


def adif(path, contest_id, qsos):
    out = ["Synthetic example log for cq160 (see make-examples.py)\r\n",
           adif_field("ADIF_VER", "3.1.4"), " ", adif_field("PROGRAMID", "make-examples.py"),
           "\r\n<EOH>\r\n"]
    for q in qsos:
        if q.get("x"):
            continue  # an X-QSO line has no ADIF form
        modes = {"PH": "SSB", "CW": "CW"}
        mhz = "%d.%03d" % (q["khz"] // 1000, q["khz"] % 1000)
        band = {1: "160m", 3: "80m", 7: "40m"}[q["khz"] // 1000]
        fields = [
            adif_field("CALL", q["call"]), adif_field("QSO_DATE", q["date"].replace("-", "")),
            adif_field("TIME_ON", "%04d" % q["time"]), adif_field("FREQ", mhz),
            adif_field("BAND", band), adif_field("MODE", modes[q["mode"]]),
            adif_field("RST_SENT", q["rst_sent"]), adif_field("RST_RCVD", q["rst_rcvd"]),
            adif_field("STX_STRING", q["exch_sent"]), adif_field("SRX_STRING", q["exch_rcvd"]),
            adif_field("STATION_CALLSIGN", q["own"]), adif_field("CONTEST_ID", contest_id),
        ]
        out.append(" ".join(fields) + " <EOR>\r\n")
    with open(path, "wb") as f:
        f.write("".join(out).encode("ascii"))


def adif_numbers(path, qsos):
    """The log as ADIF with the exchanges in the fields other loggers use."""
    out = ["Synthetic example log for cq160 (see make-examples.py)\r\n",
           adif_field("ADIF_VER", "3.1.4"), " ", adif_field("PROGRAMID", "make-examples.py"),
           "\r\n<EOH>\r\n"]
    for n, q in enumerate(qsos):
        if q.get("x"):
            continue
        modes = {"PH": "SSB", "CW": "CW"}
        band = {1: "160m", 3: "80m", 7: "40m"}[q["khz"] // 1000]
        fields = [adif_field("CALL", q["call"]),
                  adif_field("QSO_DATE", q["date"].replace("-", "")),
                  adif_field("TIME_ON", "%04d00" % q["time"])]
        if n % 7 != 3:  # every seventh record knows only its band
            fields.append(adif_field("FREQ", "%d.%03d" % (q["khz"] // 1000, q["khz"] % 1000)))
        fields += [adif_field("BAND", band), adif_field("MODE", modes[q["mode"]]),
                   adif_field("RST_SENT", q["rst_sent"]), adif_field("RST_RCVD", q["rst_rcvd"]),
                   adif_field("STX", str(int(q["exch_sent"]))),
                   adif_field("MY_CQ_ZONE", str(int(q["exch_sent"])))]
        exch = q["exch_rcvd"]
        if exch.isdigit():
            fields += [adif_field("SRX", str(int(exch))), adif_field("CQZ", str(int(exch)))]
        elif n % 2:
            fields.append(adif_field("STATE", exch))
        else:
            fields.append(adif_field("VE_PROV" if q["call"].startswith("V") else "STATE", exch))
        fields += [adif_field("STATION_CALLSIGN", q["own"]),
                   adif_field("CONTEST_ID", "CQ-160-CW")]
        out.append(" ".join(fields) + " <EOR>\r\n")
    with open(path, "wb") as f:
        f.write("".join(out).encode("ascii"))


def build(maker, own, weekend_days, windows, mode, rst, own_exch, mix, specials, count,
          band_khz, replacements=()):
    """The QSO list: count ordinary QSOs drawn from mix, the special ones
    placed at fixed positions, then the dupes (repeats of earlier QSOs).
    Each replacement takes the place of the ordinary QSO at its position in
    the final list, so that a case added later leaves every other line of
    the log as it was."""
    maker.used.update(s["station"].call for _, s in list(specials) + list(replacements))
    maker.used.add(own)
    stations = []
    for _ in range(count):
        r = maker.rng.random()
        for share, pick in mix:
            if r < share:
                stations.append(pick())
                break
            r -= share
        else:
            stations.append(mix[-1][1]())
    plan = [dict(station=s) for s in stations]
    for position, special in specials:
        plan.insert(position, special)
    # Dupes: a station worked again some hours later, same exchange.
    for source, target in [(12, 140), (40, 200), (77, 260), (5, 290)]:
        q = dict(plan[source])
        q["dupe_of"] = source
        plan.insert(target, q)
    for position, replacement in replacements:
        assert "dupe_of" not in plan[position], position
        plan[position] = replacement
    minutes = maker.times(len(plan), windows)
    qsos = []
    for q, (day, hour, minute) in zip(plan, minutes):
        s = q["station"]
        khz = q.get("khz") or maker.rng.randint(*band_khz)
        qsos.append(dict(
            khz=khz, mode=q.get("mode", mode), date=weekend_days[day],
            time=hour * 100 + minute, own=own, rst_sent=rst, exch_sent=own_exch,
            call=s.call, rst_rcvd=rst, exch_rcvd=s.exchange, x=q.get("x", False)))
    return qsos


def cw_log(out_dir):
    m = Maker(16001)
    days = ["2027-01-29", "2027-01-30", "2027-01-31"]
    # The nights over Europe.
    windows = [(0, 22, 24), (1, 0, 7), (1, 15, 24), (2, 0, 7), (2, 15, 22)]
    mix = [(0.50, lambda: m.dx(EUROPE)), (0.05, lambda: m.dx(GERMANY)),
           (0.22, m.us), (0.06, m.canada), (0.05, lambda: m.dx(ASIA)),
           (0.03, lambda: m.dx(AFRICA)), (0.03, lambda: m.dx(SOUTH_AMERICA)),
           (0.03, lambda: m.dx(NORTH_AMERICA_DX)), (0.03, lambda: m.dx(OCEANIA))]
    S = Station
    specials = [
        (3, dict(station=S("IT9XYZ", "15"))),
        (9, dict(station=S("TA1ABC", "20"))),
        (15, dict(station=S("4U1ITU", "14"))),
        (21, dict(station=S("Z61DX", "15"))),
        (27, dict(station=S("IW9ABC", "15"))),
        (33, dict(station=S("DL/K1ZZ", "14"))),
        (39, dict(station=S("OK1XYZ/P", "15"))),
        (45, dict(station=S("SP5XYZ/M", "15"))),
        (51, dict(station=S("G4XYZ/QRP", "14"))),
        (57, dict(station=S("W1XYZ/4", "GA"))),
        (63, dict(station=S("VP2E/K2XYZ", "08"))),
        (69, dict(station=S("K1XYZ/VP9", "05"))),
        (75, dict(station=S("3D2XY/R", "32"))),
        (81, dict(station=S("UA3ABC/9", "17"))),
        (87, dict(station=S("VE7/VE3XYZ", "BC"))),
        (93, dict(station=S("VY2XYZ", "PE"))),
        (99, dict(station=S("VY2ABC", "PEI"))),
        (105, dict(station=S("N7XYZ", "AK"))),
        (111, dict(station=S("K6XYZ", "HI"))),
        (117, dict(station=S("VE2XYZ", "PQ"))),
        (123, dict(station=S("G4XYZ", "14"), khz=3525)),
        (129, dict(station=S("F5XYZ", "14"), mode="PH", khz=1845)),
        (135, dict(station=S("OH2XYZ", "15"), x=True)),
        (141, dict(station=S("KL7XYZ", "01"))),
        (147, dict(station=S("KH6XYZ", "31"))),
    ]
    # Added later, in place of ordinary QSOs: a ship (5 points even from the
    # own country, no multiplier), African Italy (a WAE entity of its own),
    # a Newfoundland station sending today's "NL".
    replacements = [
        (160, dict(station=S("DL5XYZ/MM", "14"))),
        (220, dict(station=S("IH9XYZ", "33"))),
        (250, dict(station=S("VO1XYZ", "NL"))),
    ]
    qsos = build(m, "DL1ABC", days, windows, "CW", "599", "14", mix, specials, 290,
                 (1810, 1845), replacements)
    header = [
        "CALLSIGN: DL1ABC", "CONTEST: CQ-160-CW", "CATEGORY-OPERATOR: SINGLE-OP",
        "CATEGORY-ASSISTED: NON-ASSISTED", "CATEGORY-BAND: 160M", "CATEGORY-MODE: CW",
        "CATEGORY-POWER: HIGH", "CATEGORY-STATION: FIXED", "CATEGORY-TRANSMITTER: ONE",
        "CLAIMED-SCORE: %s" % CW_CLAIMED, "CLUB: Example Contest Club",
        "CREATED-BY: make-examples.py", "LOCATION: DX", "NAME: Example Operator",
        "OPERATORS: DL1ABC", "SOAPBOX: Synthetic example log for cq160.",
    ]
    os.makedirs(out_dir, exist_ok=True)
    cabrillo(os.path.join(out_dir, "DL1ABC.log"), header, qsos, transmitter=False)
    return qsos


def period_log(out_dir):
    """A small CW log of 2028 whose first and last QSOs miss the period
    (22:00 UTC Friday 28 January to 22:00 UTC Sunday 30 January) by a few
    minutes, with QSOs on the first and the last minute inside it."""
    m = Maker(16003)
    days = ["2028-01-28", "2028-01-29", "2028-01-30"]
    mix = [(0.55, lambda: m.dx(EUROPE)), (0.25, m.us), (0.08, m.canada),
           (0.06, lambda: m.dx(ASIA)), (0.06, lambda: m.dx(NORTH_AMERICA_DX))]
    edges = [(0, 21, 58), (0, 21, 59), (0, 22, 0), (2, 21, 59), (2, 22, 0), (2, 22, 14)]
    middle = m.times(40, [(0, 22, 24), (1, 0, 7), (1, 16, 24), (2, 0, 7), (2, 16, 21)])
    minutes = sorted(set(edges + [t for t in middle if t not in edges and
                                  not (t[0] == 0 and t[1] == 22 and t[2] == 0)]))
    qsos = []
    for day, hour, minute in minutes:
        r = m.rng.random()
        pick = mix[-1][1]
        for share, f in mix:
            if r < share:
                pick = f
                break
            r -= share
        s = pick()
        qsos.append(dict(khz=m.rng.randint(1810, 1845), mode="CW", date=days[day],
                         time=hour * 100 + minute, own="OK1ABC", rst_sent="599",
                         exch_sent="15", call=s.call, rst_rcvd="599", exch_rcvd=s.exchange))
    header = [
        "CALLSIGN: OK1ABC", "CONTEST: CQ-160-CW", "CATEGORY-OPERATOR: SINGLE-OP",
        "CATEGORY-ASSISTED: ASSISTED", "CATEGORY-BAND: 160M", "CATEGORY-MODE: CW",
        "CATEGORY-POWER: LOW", "CATEGORY-STATION: FIXED", "CATEGORY-TRANSMITTER: ONE",
        "CREATED-BY: make-examples.py", "LOCATION: DX", "NAME: Example Operator",
        "SOAPBOX: Synthetic example log for cq160: two QSOs before the start and two",
        "SOAPBOX: after the end of the contest period.",
    ]
    os.makedirs(out_dir, exist_ok=True)
    cabrillo(os.path.join(out_dir, "OK1ABC.log"), header, qsos, transmitter=False)


def rules_log(out_dir):
    """A short CW log of 2027 from Sicily (IT9ABC, a country of its own
    beside Italy), written by hand: each QSO is one case of the contest's
    rules, with the result the sponsor gives it (points from IT9, EU)."""
    qsos = [
        ("2027-01-29", 2159, "I2ABC", "15"),      # a minute before the start: removed
        ("2027-01-29", 2200, "I2ABC", "15"),      # at the start: 5, not a dupe of the above
        ("2027-01-29", 2201, "IT9ZZZ", "15"),     # own country Sicily: 2
        ("2027-01-29", 2202, "IH9ABC", "33"),     # African Italy: 10
        ("2027-01-29", 2203, "IT9ABC", "15"),     # the own call: not a QSO
        ("2027-01-29", 2204, "IT9ABC/P", "15"),   # another call: 2
        ("2027-01-29", 2210, "N7XYZ", "AK"),      # a US station in Alaska: KL, 10
        ("2027-01-29", 2211, "K6XYZ", "hi"),      # in Hawaii: KH6, 10
        ("2027-01-29", 2212, "KL7XYZ", "01"),     # Alaska by its call: 10, no new multiplier
        ("2027-01-29", 2213, "VE3XYZ", "AK"),     # no Canadian province
        ("2027-01-29", 2214, "K1XYZ/MM", "08"),   # a ship: 5, no multiplier
        ("2027-01-29", 2215, "W1XYZ", "MA"),      # a state: 10
        ("2027-01-30", 300, "4U1VIC", "15"),      # Vienna International Centre: 5
        ("2027-01-30", 301, "OE1XYZ", "15"),      # Austria: 5
        ("2027-01-31", 2159, "OK1ABC", "15"),     # the last minute: 5
        ("2027-01-31", 2200, "OK1XYZ", "15"),     # at the end: removed
        ("2027-01-31", 2214, "DL1XYZ", "14"),     # after the end: removed
    ]
    rows = [dict(khz=1822 + i, mode="CW", date=d, time=t, own="IT9ABC", rst_sent="599",
                 exch_sent="15", call=c, rst_rcvd="599", exch_rcvd=x)
            for i, (d, t, c, x) in enumerate(qsos)]
    header = [
        "CALLSIGN: IT9ABC", "CONTEST: CQ-160-CW", "CATEGORY-OPERATOR: SINGLE-OP",
        "CATEGORY-ASSISTED: NON-ASSISTED", "CATEGORY-BAND: 160M", "CATEGORY-MODE: CW",
        "CATEGORY-POWER: LOW", "CATEGORY-STATION: FIXED", "CATEGORY-TRANSMITTER: ONE",
        "CLAIMED-SCORE: %s" % RULES_CLAIMED, "CREATED-BY: make-examples.py",
        "LOCATION: DX", "NAME: Example Operator", "OPERATORS: IT9ABC",
        "SOAPBOX: Synthetic example log for cq160: one QSO for each scoring rule.",
    ]
    os.makedirs(out_dir, exist_ok=True)
    cabrillo(os.path.join(out_dir, "IT9ABC.log"), header, rows, transmitter=False)


def ssb_log(out_dir):
    m = Maker(16002)
    days = ["2027-02-26", "2027-02-27", "2027-02-28"]
    # Evenings and nights over North America.
    windows = [(0, 22, 24), (1, 0, 12), (1, 21, 24), (2, 0, 12), (2, 21, 22)]
    mix = [(0.55, m.us), (0.12, m.canada), (0.20, lambda: m.dx(EUROPE)),
           (0.05, lambda: m.dx(NORTH_AMERICA_DX)), (0.03, lambda: m.dx(SOUTH_AMERICA)),
           (0.02, lambda: m.dx(ASIA)), (0.03, lambda: m.dx(OCEANIA))]
    S = Station
    specials = [
        (4, dict(station=S("IT9ABC", "15"))),
        (10, dict(station=S("TA1XYZ", "20"))),
        (16, dict(station=S("W1ABC/4", "FL"))),
        (22, dict(station=S("K9XYZ/P", "IL"))),
        (28, dict(station=S("VE3XYZ/M", "ON"))),
        (34, dict(station=S("VP2E/N2XYZ", "08"))),
        (40, dict(station=S("N1XYZ/VP9", "05"))),
        (46, dict(station=S("VY2XYZ", "PEI"))),
        (52, dict(station=S("K7ABC", "AK"))),
        (58, dict(station=S("W6XYZ", "HI"))),
        (64, dict(station=S("K2XYZ", "NY"), khz=7150)),
        (70, dict(station=S("W4XYZ", "VA"), mode="CW", khz=1830)),
        (76, dict(station=S("KL7ABC", "01"))),
        (82, dict(station=S("KH6ABC", "31"))),
        (88, dict(station=S("DL/W3XYZ", "14"))),
    ]
    # Added later, in place of ordinary QSOs: a US ship, Shetland (a WAE
    # entity of its own, known by exact call), a Labrador station sending
    # "NL" and a Northwest Territories one sending "NT", Guantanamo Bay (KG4
    # with a two-letter suffix) and a US station with a longer KG4 call.
    replacements = [
        (100, dict(station=S("W1XYZ/MM", "05"))),
        (120, dict(station=S("GB2ELH", "14"))),
        (150, dict(station=S("VO2XYZ", "NL"))),
        (170, dict(station=S("VE8ABC", "NT"))),
        (190, dict(station=S("KG4XY", "08"))),
        (210, dict(station=S("KG4XYZ", "VA"))),
    ]
    qsos = build(m, "W3ABC", days, windows, "PH", "59", "PA", mix, specials, 200,
                 (1843, 1899), replacements)
    header = [
        "CALLSIGN: W3ABC", "CONTEST: CQ-WW-160M-SSB", "CATEGORY-OPERATOR: SINGLE-OP",
        "CATEGORY-ASSISTED: NON-ASSISTED", "CATEGORY-BAND: 160M", "CATEGORY-MODE: SSB",
        "CATEGORY-POWER: LOW", "CATEGORY-STATION: FIXED", "CATEGORY-TRANSMITTER: ONE",
        "CLAIMED-SCORE: %s" % SSB_CLAIMED, "CREATED-BY: make-examples.py",
        "LOCATION: PA", "NAME: Example Operator", "OPERATORS: W3ABC",
        "SOAPBOX: Synthetic example log for cq160; the claimed score still counts",
        "SOAPBOX: the dupes.",
    ]
    os.makedirs(out_dir, exist_ok=True)
    cabrillo(os.path.join(out_dir, "W3ABC.log"), header, qsos, transmitter=True)
    adif(os.path.join(out_dir, "W3ABC.adi"), "CQ-160-SSB", qsos)


def rival_log(out_dir, own, own_exch, seed, cw_qsos, shared, count, windows, header):
    """A rival of DL1ABC on the same CW weekend: `shared` of the stations
    DL1ABC worked on 160 m in CW (DL1ABC among them), and fresh ones, at
    other hours of the nights."""
    m = Maker(seed)
    pool = [q for q in cw_qsos if not q.get("x") and q["mode"] == "CW" and q["khz"] < 2000]
    seen = set()
    stations = []
    for q in pool:
        if q["call"] not in seen and q["call"] != own:
            seen.add(q["call"])
            stations.append(Station(q["call"], q["exch_rcvd"]))
    m.used.update(seen)
    m.used.add(own)
    picked = m.rng.sample(stations, shared) + [Station("DL1ABC", "14")]
    mix = [(0.45, lambda: m.dx(EUROPE)), (0.08, lambda: m.dx(GERMANY)), (0.25, m.us),
           (0.07, m.canada), (0.05, lambda: m.dx(ASIA)), (0.03, lambda: m.dx(AFRICA)),
           (0.03, lambda: m.dx(SOUTH_AMERICA)), (0.04, lambda: m.dx(NORTH_AMERICA_DX))]
    for _ in range(count - len(picked)):
        r = m.rng.random()
        pick = mix[-1][1]
        for share, f in mix:
            if r < share:
                pick = f
                break
            r -= share
        picked.append(pick())
    m.rng.shuffle(picked)
    days = ["2027-01-29", "2027-01-30", "2027-01-31"]
    qsos = []
    for s, (day, hour, minute) in zip(picked, m.times(len(picked), windows)):
        qsos.append(dict(khz=m.rng.randint(1810, 1845), mode="CW", date=days[day],
                         time=hour * 100 + minute, own=own, rst_sent="599", exch_sent=own_exch,
                         call=s.call, rst_rcvd="599", exch_rcvd=s.exchange))
    # One dupe, to have a QSO that does not count.
    dupe = dict(qsos[10])
    dupe["date"], dupe["time"] = qsos[40]["date"], qsos[40]["time"]
    qsos.insert(41, dupe)
    os.makedirs(out_dir, exist_ok=True)
    cabrillo(os.path.join(out_dir, own + ".log"), header, qsos, transmitter=False)


def compare_logs(out_dir, cw_qsos):
    common = ["CONTEST: CQ-160-CW", "CATEGORY-OPERATOR: SINGLE-OP",
              "CATEGORY-ASSISTED: NON-ASSISTED", "CATEGORY-BAND: 160M", "CATEGORY-MODE: CW",
              "CATEGORY-POWER: HIGH", "CATEGORY-STATION: FIXED", "CATEGORY-TRANSMITTER: ONE",
              "CREATED-BY: make-examples.py", "LOCATION: DX"]
    rival_log(out_dir, "OK2ABC", "15", 16004, cw_qsos, 120, 260,
              [(0, 22, 24), (1, 0, 6), (1, 16, 24), (2, 0, 6), (2, 16, 22)],
              ["CALLSIGN: OK2ABC"] + common +
              ["CLAIMED-SCORE: %s" % OK2ABC_CLAIMED, "NAME: Example Rival", "OPERATORS: OK2ABC"])
    rival_log(out_dir, "RA3ABC", "16", 16005, cw_qsos, 90, 230,
              [(0, 22, 24), (1, 0, 4), (1, 14, 24), (2, 0, 3), (2, 14, 22)],
              ["CALLSIGN: RA3ABC"] + common +
              ["CLAIMED-SCORE: %s" % RA3ABC_CLAIMED,
               "NAME: \u0418\u0432\u0430\u043d \u041f\u0435\u0442\u0440\u043e\u0432",
               "OPERATORS: RA3ABC"])


# The claimed scores: the CW one as the module counts the log, the SSB one
# as its operator counted before taking the dupes out.
CW_CLAIMED = "266326"
SSB_CLAIMED = "116309"
# The rivals' claimed scores: OK2ABC's as the module counts it, RA3ABC's
# a little higher.
OK2ABC_CLAIMED = "225498"
RA3ABC_CLAIMED = "199512"
# The rules log counted by hand: 12 QSOs, 79 points, 8 countries (I, IT9,
# IG9, KL, KH6, 4U1V, OE, OK) and 1 state (MA).
RULES_CLAIMED = "711"

if __name__ == "__main__":
    cw_qsos = cw_log(os.path.join(HERE, "cw"))
    ssb_log(os.path.join(HERE, "ssb"))
    os.makedirs(os.path.join(HERE, "cw-adif"), exist_ok=True)
    adif_numbers(os.path.join(HERE, "cw-adif", "DL1ABC.adi"), cw_qsos)
    period_log(os.path.join(HERE, "period"))
    compare_logs(os.path.join(HERE, "compare"), cw_qsos)
    rules_log(os.path.join(HERE, "rules"))
