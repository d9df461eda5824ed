#!/usr/bin/env python3
# Writes golden_v5_8.prt: a small version-5 project of 8 pages, spelled out
# line by line from the file's section table. Most slots are empty (zeros);
# a few elements, the project-wide values and five blocks carry values.
# Run it from this folder; the test reads the file and writes it back.

I = lambda v: (" %d " % v) if v >= 0 else ("%d " % v)  # integer print form
def R(v):  # real print form, for the few values used here
    table = {0.5: " .5 ", -0.25: "-.25 ", 0: " 0 ", 12: " 12 ", 1.5: " 1.5 ", 2500000: " 2500000 "}
    return table[v]

N, V = 8, 5
out = []
line = out.append

def rec(first, label, second):
    line("Сторінка SCADA  - %d%s%d" % (first, label, second))

# 1. header
line("5*************** Проект Velkorline 8****************")
# 2. settings
line("Котельня")
line(I(9))
line("10.0.0.5")
line(I(502))
line(I(2))
line("\\demo.net")
# 3. background names, 2N lines
for i in range(2 * N):
    line("\\fon1.gif" if i == 0 else ("D:\\pics\\fon1.gif" if i == N else ""))
# 4. background flags, N + 1 lines
for i in range(N + 1):
    line(I(1 if i == 0 else 0))
# 5. grid
line("*************** Параметры координатной сетки ****************")
for v in (5, 1, 10, 0):
    line(I(v))

# 6. page elements
for p in range(N + 1):
    for n in range(33):
        used = (p, n) == (0, 1)
        rec(p + 1, "Параметр - ", n)
        if used:
            for v in (1, 100, 50, 255, 16777215, 1, 14, 2, 7, 131):
                line(I(v))
        else:
            for _ in range(10):
                line(I(0))
        rec(p + 1, "Сигнал - ", n)
        if (p, n) == (0, 2):
            for v in (1, 300, 1124, 130, 66, 255, 65280, 0, 1, 3, 4):
                line(I(v))
        else:
            for _ in range(11):
                line(I(0))
        rec(p + 1, "Текст сигнал - ", n)
        if (p, n) == (1, 3):
            for v in (1, 10, 1044, 14, 0, 12632256):
                line(I(v))
            line("Вимк")
            line("Увімк")
            for v in (129, 1, 5, 130):
                line(I(v))
        else:
            for _ in range(6):
                line(I(0))
            line("")
            line("")
            for _ in range(4):
                line(I(0))
        rec(p + 1, "Рівень - ", n)
        for _ in range(11):
            line(I(0))
        rec(p + 1, "Блок - ", n)
        if (p, n) == (0, 4):
            for v in (3, 20, 400, 205, 130):
                line(I(v))
        else:
            for _ in range(5):
                line(I(0))
        rec(p + 1, "Фігура - ", n)
        for _ in range(8):
            line(I(0))

# 7. mechanisms with the reserve lines
for p in range(N + 1):
    for n in range(33):
        rec(p + 1, "Вентилятор - ", n)
        if (p, n) == (2, 17):
            for v in (1, 40, 60, 40, 40, 5, 9, 2):
                line(I(v))
        else:
            for _ in range(8):
                line(I(0))
        for k in range(16):
            if p != 0:
                line("Reserv")
            elif n == 0:
                line(I(k % 3))                       # Stranica_Num_Net
            elif n == 1:
                line("Сторінка %d" % (k + 1) if k < 8 else "")  # Stranica_Name
            elif n == 2:
                line(I(0))                           # Vent_Fon_Bits(0, k)
            elif n == 3:
                line(I(250) if k == 0 else (I(3) if k == 1 else "Reserv"))
            elif n == 4:
                line(I(1 if k == 2 else 0))          # Vent_Fon_Bits(1, k)
            elif n == 5:
                vals = [2, 100, 200, 255, -1, 12, 0]
                line(I(vals[k]) if k < 7 else "Reserv")
            elif n == 6:
                line("\\phase%d.gif" % k if k < 2 else "")
            else:
                line("Reserv")

# 8. static texts
for p in range(N + 1):
    for n in range(65):
        rec(p + 1, "Текст - ", n)
        if (p, n) == (0, 64):
            for v in (1, 5, 470, 128):
                line(I(v))
            line("Тиск, бар")
            line("Arial")
            line(I(-1))
            line(I(0))
            line(I(12))
        else:
            for _ in range(4):
                line(I(0))
            line("")
            line("")
            for _ in range(3):
                line(I(0))

# 9. page colours
for p in range(N):
    rec(p + 1, "Фон SCADA - ", p)
    line(I(12648384))

# 10. graph windows, 11. clocks
for i in range(N + 1):
    rec(i + 1, "Графік - ", i)
    for v in ((1, 10, 20, 240, 150, 7) if i == 1 else (0,) * 6):
        line(I(v))
for i in range(N + 1):
    rec(i + 1, "Годинник - ", i)
    for v in ((1, 700, 5) if i == 8 else (0,) * 3):
        line(I(v))

# 12. control images
for p in range(N + 1):
    for n in range(33):
        rec(p + 1, "Керування - ", n)
        if (p, n) == (0, 5):
            for v in (1, 200, 110, 4, 0):
                line(I(v))
            line("\\stop.gif")
            for v in (60, 60, 13):
                line(I(v))
        else:
            for _ in range(5):
                line(I(0))
            line("")
            for _ in range(3):
                line(I(0))

# 13. menus
for p in range(N + 1):
    for n in range(9):
        rec(p + 1, "Меню - ", n)
        if (p, n) == (0, 1):
            for v in (1, 100, 50):
                line(I(v))
            line("Насоси")
            line(I(3))
        else:
            for _ in range(3):
                line(I(0))
            line("")
            line(I(0))

# 14. schema parameters: sizes and step offsets (versions 5 and 6), block types
line("*************** Параметры схемы ****************")
line(I(0))
line(I(0))
for s in range(501):
    line(I(0))
    line(I(0))
types = {1: (1, "A_I", 29), 2: (5, "RS4", 3), 3: (50, "TOU", 1), 4: (48, "REP", 0), 97: (43, "SCA", 1)}
for b in range(1, 100):
    line(I(types[b][0] if b in types else 0))

# 15. numeric values: P(t) + 1 values a block at a running offset
values = [0.5, -0.25, 12, 1.5, 2500000]
pool = [values[i % 5] for i in range(200)]
o = 0
for b in sorted(types):
    t, name, P = types[b]
    line("%d *************** Блок %s%d****************" % (b, name, b))
    for k in range(P + 1):
        line(R(pool[o + k]))
    o += P

# 16. report record of the REP block
line(I(17))
for k in range(17):
    line("Звіт %d" % k if k % 2 else "")

# 17. schema texts: RS4 (versions 5 and 6) and REP
line("*************** Имена схемы ****************")
line(" *************** Блок RS4%d****************" % 2)
for k in range(48):
    line(str(k * 5 % 256))
line(" *************** Блок REP%d****************" % 4)
for k in range(16):
    line("Вхід %d" % k)

# 18. comments (C = 1408) and group flags (S = 128)
line("*************** Коментарии АЛГОРИТМ SP/TIMER/FLAG/INPUT/OUTPUT****************")
for i in range(1409):
    line("Уставка %d" % i if i in (1, 2, 282, 1408) else "")
for r in range(2):
    for g in range(128):
        line(I(1 if (r, g) in ((0, 0), (1, 127)) else 0))

with open("golden_v5_8.prt", "wb") as f:
    f.write(("\r\n".join(out) + "\r\n").encode("cp1251"))
