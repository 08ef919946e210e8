#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets into corpus/<target>/.

The targets split their input with FuzzedDataProvider: strings come from the
front (a backslash and any other character end one), integers from the back
(the last byte first, most significant first). Each seed below lists its
values in the order the target consumes them; keep both in step when a target
changes. Run it from anywhere: python3 tests/fuzz/make-seeds.py
"""
import os
import shutil
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


class Seed:
    def __init__(self):
        self.front = b""
        self.back = []  # bytes in the order they are consumed

    def text(self, value, limit):
        data = value.encode("cp1251") if isinstance(value, str) else value
        assert len(data) < limit, (value, limit)
        self.front += data.replace(b"\\", b"\\\\") + b"\\\n"
        return self

    def raw(self, data):
        self.front += data
        return self

    def unsigned(self, value, size):
        self.back += list(value.to_bytes(size, "big"))
        return self

    def u8(self, value):
        return self.unsigned(value & 0xFF, 1)

    def flag(self, value):
        return self.u8(1 if value else 0)

    def i32(self, value):
        return self.unsigned(value + 2**31, 4)

    def u32(self, value):
        return self.unsigned(value, 4)

    def double(self, value):
        return self.unsigned(struct.unpack("<Q", struct.pack("<d", value))[0], 8)

    def separator(self, sep):
        return self.flag(sep == ".")

    def bytes(self):
        return self.front + bytes(reversed(self.back))


def numbers():
    def seed(sep, raw, value, caret_to_end, start, steps):
        s = Seed().separator(sep).text(raw, 64).double(value).flag(caret_to_end).text(start, 32)
        s.u8(len(steps) - 1)
        for typed, at in steps:
            s.text(typed, 8).u8(at)
        return s

    inf = float("inf")
    return {
        "type-comma": seed(",", "1,5", 2.5, False, "", [("1", 0), (",", 1), ("5", 2)]),
        "point-exponent": seed(".", "  -2.5e3 ", -50.0, True, "3.14", [("x", 1), ("e2", 4)]),
        "small": seed(",", "0,05", 1e-7, False, "0,5", [("e", 3), ("7", 1)]),
        "too-large": seed(",", "1e999", inf, False, "12", [("34,5", 2)]),
        "leading-point": seed(".", ".5", 99.96, False, "", [("0.5", 0)]),
        "point-on-comma": seed(",", "2.5", float("nan"), True, "-7", [(",", 2), ("-", 0)]),
        "zero-exponent": seed(",", "0e5", 9.996, False, "", [("0e5", 0)]),
    }


def catalogue():
    def seed(sep, from_catalogue, id_, mode, text):
        return Seed().separator(sep).flag(from_catalogue).u32(id_).i32(mode).text(text, 256)

    return {
        "first-shown": seed(",", True, 0, 1, "Калькулятор"),
        "kilohertz": seed(",", False, 1002, 0, "кГц"),
        "unknown": seed(".", False, 999999, -1, ""),
        "odd-length": seed(",", True, 37, 1, "абв".encode("cp1251") + b"\x98"),
    }


def quantities():
    def seed(sep, digits, value):
        return Seed().separator(sep).flag(digits == 5).double(value)

    return {
        "kilohertz": seed(",", 3, 12300.0),
        "picofarad": seed(",", 3, 1e-12),
        "nanofarad": seed(".", 3, 4.7e-7),
        "overflow": seed(",", 3, 2e14),
        "hours": seed(",", 5, 360000.0),
        "speed-overflow": seed(".", 5, 600000.0),
        "infinity": seed(",", 5, float("inf")),
        "nan": seed(",", 3, float("nan")),
        "subnormal": seed(",", 5, 5e-324),
        "huge": seed(".", 3, 1e300),
    }


def smd():
    def seed(text, caret, sep=","):
        return Seed().separator(sep).i32(caret).text(text, 16)

    return {
        "4R7": seed("4R7", 3),
        "01C": seed("01C", 3),
        "1002": seed("1002", 4),
        "r47": seed("r47", 3, "."),
        "472": seed("472", 3),
        "two-r": seed("4r7r", 4),
        "five-digits": seed("12345", 5),
        "letters": seed("x1y", 1),
        "e96-last": seed("96F", 3),
        "empty": seed("", 0),
    }


def marking():
    def seed(sep, res, cap, dross, cap_text, pick, family, stale, any_mode, any_code):
        s = Seed().separator(sep).raw(res.encode()).raw(cap.encode()).raw(dross.encode())
        return s.text(cap_text, 8).u8(pick).u8(family).i32(stale).i32(any_mode).text(any_code, 8)

    return {
        "four-band": seed(",", "472BFF", "1040FF", "4710FF", "104", 7, 1, 0, 2, "1002"),
        "five-band": seed(",", "10021F", "1002B5", "331FFF", "47", 200, 2, -5, 9, ""),
        "empty": seed(".", "FFFFFF", "FFFFFF", "FFFFFF", "", 0, 3, 28, 5, "AB0123"),
        "no-family": seed(",", "A90F2F", "9A8B7F", "12A4FF", "4R7", 14, 0, 15, -1, "FFFFFFF"),
    }


FIELDS = ["A", "H", "B", "C", "Dmax", "Dmin", "Sc", "Sw", "Pmax", "Ptr", "Vp", "F", "KPD", "Bi", "J", "Kc", "Kw"]


def transformer():
    def seed(sep, kind, thickness, bad, fields, grid, general=0.72):
        s = Seed().separator(sep).u8(kind).u8(thickness + 1).u32(bad)
        for name in FIELDS:
            s.text(fields.get(name, "0"), 16)
        for row in range(5):
            for col in range(2):
                s.text(grid[row][col] if row < len(grid) else "0,00", 12)
        return s.double(general)

    electric = {"Vp": "220", "F": "50", "KPD": "0,95", "Bi": "1,2", "J": "4,2", "Kc": "0,92", "Kw": "0,28"}
    point = {k: v.replace(",", ".") for k, v in electric.items()}
    return {
        "lam-ei": seed(",", 0, -1, 0, {"A": "20", "H": "25", "B": "10", "C": "30", **electric},
                       [("12", "1"), ("6,3", "0,5")]),
        "rounding-edge": seed(",", 1, -1, 0, {"A": "32", "H": "40", "B": "16", "C": "48", **electric},
                              [("9,996", "1"), ("24", "0,99")]),
        "toroid-point": seed(".", 4, 2, 0, {"Dmax": "60", "Dmin": "30", "H": "20", **point},
                             [("36", "2.5")]),
        "overload": seed(",", 2, 0, 0b1010, {"A": "5", "H": "5", "B": "5", "C": "5", **electric},
                         [("220", "10"), ("110", "10")]),
        "empty": seed(",", 3, -1, 0, {name: "" for name in FIELDS}, [], 1e-5),
        "bad-ring": seed(",", 4, -1, 0, {"Dmax": "20", "Dmin": "30", "H": "1e5", **electric},
                         [("-5", "abc")], 1e-320),
    }


def induction():
    def seed(sep, kind, from_n, one_milli, many_milli, steps):
        s = Seed().separator(sep).u8(kind).flag(from_n).flag(one_milli).flag(many_milli).u8(len(steps) - 1)
        for index, text in steps:
            s.u8(index + 1).u8(0).text(text, 16)
        return s

    return {
        "one-layer": seed(",", 0, True, False, False, [(1, "20"), (3, "15"), (4, "0,5"), (5, "10")]),
        "one-layer-from-l": seed(".", 0, False, True, False, [(0, "10"), (3, "15"), (5, "10")]),
        "many-layer": seed(",", 1, True, False, False, [(11, "30"), (12, "10"), (9, "20"), (7, "100"), (10, "0,3")]),
        "many-from-mean": seed(",", 1, False, False, True, [(14, "20"), (13, "5"), (9, "20"), (6, "1")]),
        "flat": seed(",", 2, True, False, False, [(15, "5"), (16, "40"), (17, "10"), (20, "1"), (21, "2")]),
        "wire": seed(".", 3, True, False, False, [(22, "100"), (23, "1"), (24, "5")]),
        "toroid": seed(",", 4, True, False, False, [(25, "50"), (26, "2000"), (28, "20"), (29, "10"), (30, "5")]),
    }


def filters():
    def seed(sep, steps):
        s = Seed().separator(sep).u8(len(steps) - 1)
        for field, unit, typed, text in steps:
            s.u8(field).u8(unit + 1).flag(typed).text(text, 16)
        return s

    return {
        "f-and-c": seed(",", [(0, 1, True, "1"), (1, 1, True, "100")]),
        "f-and-r": seed(",", [(0, 0, True, "50"), (3, 1, True, "1")]),
        "three-given": seed(",", [(2, 0, True, "10"), (1, 0, True, "100"), (0, 2, True, "7")]),
        "point-rc": seed(".", [(1, 2, True, "4.7"), (3, 1, True, "10"), (3, 2, False, "0,5")]),
    }


def formulas():
    def seed(sep, pick, units, texts, velocity, typed):
        s = Seed().separator(sep).u8(pick)
        units = units + [0] * (9 - len(units))
        texts = texts + [""] * (9 - len(texts))
        for unit in units:
            s.u8(unit + 1)
        for text in texts:
            s.text(text, 16)
        s.u8(velocity).u8(len(typed))
        for slot in typed:
            s.u8(slot)
        return s

    return {
        "resonance": seed(",", 0, [1, 1, 0], ["", "100", "10"], 0, [2, 3]),
        "resonance-all-given": seed(",", 0, [1, 1, 0], ["1", "100", "10"], 0, [1, 2, 3]),
        "wave-radio": seed(",", 1, [1, 3, 2, 0], ["", "40", "", ""], 1, [2]),
        "wave-own": seed(".", 1, [0, 3, 2, 0], ["343", "", "", "1000"], 3, [1, 4]),
        "quality": seed(",", 2, [0, 2, 0, 0], ["", "7", "10", "5"], 0, [2, 3, 4]),
        "resistors": seed(",", 3, [1] * 8, ["1", "2,2", "4,7", "", "10", "", "", "0,5"], 0, [1, 2, 3, 5, 8]),
        "capacitors": seed(".", 5, [1] * 8, ["100", "47", "2.2"], 0, [1, 2, 3]),
        "throw": seed(",", 6, [2, 2, 0, 1, 2], ["10", "5", "", "1", ""], 0, [1, 2, 4]),
    }


def ladder():
    def seed(chebyshev, high, shunt_first, order, ripple, cutoff, impedance, any_ladder, r, f):
        s = Seed().flag(chebyshev).flag(high).flag(shunt_first).u8(order + 1)
        s.double(ripple).double(cutoff).double(impedance).u8(len(any_ladder))
        for shunt, inductor, value in any_ladder:
            s.flag(shunt).flag(inductor).double(value)
        return s.double(r).double(f)

    nan, inf = float("nan"), float("inf")
    return {
        "chebyshev-7": seed(True, False, True, 7, 0.1, 7e6, 50, [(True, False, 537e-12), (False, True, 1.62e-6)], 50, 14e6),
        "butterworth-5-high": seed(False, True, False, 5, nan, 1.8e6, 50, [], 50, 1e6),
        "even-chebyshev": seed(True, False, True, 4, 0.5, 1e3, 600, [(False, False, 0.0)], 600, 1e3),
        "extremes": seed(False, False, True, 9, 3, 10e9, 0.1, [(True, True, inf), (False, True, 1e300)], 1e6, 1e-300),
    }


def main():
    corpora = {
        "numbers": numbers(), "catalogue": catalogue(), "quantities": quantities(), "smd": smd(),
        "marking": marking(), "transformer": transformer(), "induction": induction(), "filter": filters(),
        "formulas": formulas(), "ladder": ladder(),
    }
    for target, seeds in corpora.items():
        folder = os.path.join(HERE, "corpus", target)
        shutil.rmtree(folder, ignore_errors=True)
        os.makedirs(folder)
        for name, seed in seeds.items():
            with open(os.path.join(folder, name), "wb") as out:
                out.write(seed.bytes())


if __name__ == "__main__":
    main()
