#!/usr/bin/env python3
"""Writes an address file of made-up German addresses for tests, benchmarks and trials by hand.

    python3 tools/adressen.py COUNT OUT.Dat [--seed N] [--beschreibung TEXT]

The file is what the program itself writes: Windows-1252, CR LF after every line, a header line ".." with
the description, then one record line per address: 24 fields, each followed by a TAB, a line break inside a
field stored as two degree signs, an empty first field stored as one blank, and the running index 1 to
COUNT in the last field. The same seed gives the same bytes. Every record has a surname, first name, street,
postcode, town, country, telephone and the two dates; about three in five have an e-mail address, two in
five bank details; umlauts and "ß" are everywhere. The text stays inside Latin-1 (no byte 0x80 to 0x9F),
as in most real files. No field is longer than the main window's box for it allows.
"""
import argparse
import datetime
import random
import sys

# Surname, and whether it usually goes with a firm of that name (a trade).
NACHNAMEN = [
    "Müller", "Schmidt", "Schneider", "Fischer", "Weber", "Meyer", "Wagner", "Becker", "Schulz", "Hoffmann",
    "Schäfer", "Koch", "Bauer", "Richter", "Klein", "Wolf", "Schröder", "Neumann", "Schwarz", "Zimmermann",
    "Braun", "Krüger", "Hofmann", "Hartmann", "Lange", "Schmitt", "Werner", "Schmitz", "Krause", "Meier",
    "Lehmann", "Schmid", "Schulze", "Maier", "Köhler", "Herrmann", "König", "Walter", "Mayer", "Huber",
    "Kaiser", "Fuchs", "Peters", "Lang", "Scholz", "Möller", "Weiß", "Jung", "Hahn", "Schubert", "Vogel",
    "Friedrich", "Keller", "Günther", "Frank", "Berger", "Winkler", "Roth", "Beck", "Lorenz", "Baumann",
    "Franke", "Albrecht", "Schuster", "Simon", "Ludwig", "Böhm", "Winter", "Kraus", "Martin", "Schumacher",
    "Krämer", "Vogt", "Stein", "Jäger", "Otto", "Sommer", "Groß", "Seidel", "Heinrich", "Brandt", "Haas",
    "Schreiber", "Graf", "Schulte", "Dietrich", "Ziegler", "Kuhn", "Kühn", "Pohl", "Engel", "Horn", "Busch",
    "Bergmann", "Thomas", "Voigt", "Sauer", "Arnold", "Wolff", "Pfeiffer", "Öztürk", "Yilmaz",
    "Nowak", "Kowalski", "Dabrowski", "Rossi", "Papadopoulos", "von Bülow", "Müller-Lüdenscheidt",
    "Straßburger", "Großmann", "Weißenbach", "Fürst", "Gärtner", "Nußbaum", "Schüßler", "Lößl", "Übelacker",
]
VORNAMEN_M = [
    "Hans", "Peter", "Jürgen", "Klaus", "Wolfgang", "Michael", "Thomas", "Stefan", "Günter", "Frank", "Jörg",
    "Uwe", "Dieter", "Bernd", "Matthias", "Andreas", "Ralf", "Manfred", "Torsten", "Sören", "Björn", "Lukas",
    "Jonas", "Felix", "Maximilian", "Paul", "Leon", "Tobias", "Florian", "Sebastian", "Karl-Heinz", "Hans-Jürgen",
    "Götz", "Jan", "Ömer", "René", "André", "Noah", "Elias", "Moritz",
]
VORNAMEN_W = [
    "Anna", "Ursula", "Monika", "Sabine", "Petra", "Andrea", "Birgit", "Renate", "Karin", "Gabriele",
    "Brigitte", "Claudia", "Susanne", "Heike", "Angelika", "Christa", "Helga", "Julia", "Laura", "Lea",
    "Sophie", "Marie", "Katharina", "Jessica", "Nicole", "Stefanie", "Bärbel", "Jutta", "Käthe", "Gisela",
    "Hannelore", "Anne-Kathrin", "Zoë", "Chantal", "Lena", "Mia", "Emma", "Hülya", "Dörte", "Elke",
]
STRASSEN = [
    "Hauptstraße", "Schulstraße", "Gartenstraße", "Bahnhofstraße", "Dorfstraße", "Bergstraße", "Birkenweg",
    "Lindenstraße", "Kirchstraße", "Waldstraße", "Ringstraße", "Schillerstraße", "Goethestraße", "Am Markt",
    "Mühlenweg", "Jahnstraße", "Wiesenweg", "Friedhofstraße", "Feldstraße", "Rosenstraße", "Kirchplatz",
    "Am Sportplatz", "Buchenweg", "Lessingstraße", "Beethovenstraße", "Mozartstraße", "Talstraße",
    "Poststraße", "Friedrich-Ebert-Straße", "Kastanienallee", "Uhlandstraße", "Eichendorffstraße",
    "Am Mühlbach", "Heinrich-Heine-Straße", "Marktplatz", "Brückenstraße", "Königsallee", "Lange Reihe",
    "Weißdornweg", "Äußere Sulzbacher Straße", "Grüner Weg", "An der Schleuse", "Zur Alten Ölmühle",
    "Fröbelstraße", "Gößweinsteiner Gasse",
]
# Country, town, area code, lowest and highest postcode of the town: German towns, and a few abroad.
ORTE = [
    ("D", "Berlin", "030", 10115, 14199), ("D", "Hamburg", "040", 20095, 22769),
    ("D", "München", "089", 80331, 81929), ("D", "Köln", "0221", 50667, 51149),
    ("D", "Frankfurt am Main", "069", 60306, 60599), ("D", "Stuttgart", "0711", 70173, 70629),
    ("D", "Düsseldorf", "0211", 40210, 40629), ("D", "Dortmund", "0231", 44135, 44388),
    ("D", "Essen", "0201", 45127, 45359), ("D", "Leipzig", "0341", 4103, 4357),
    ("D", "Bremen", "0421", 28195, 28779), ("D", "Dresden", "0351", 1067, 1328),
    ("D", "Hannover", "0511", 30159, 30669), ("D", "Nürnberg", "0911", 90402, 90491),
    ("D", "Bonn", "0228", 53111, 53229), ("D", "Münster", "0251", 48143, 48167),
    ("D", "Freiburg im Breisgau", "0761", 79098, 79117), ("D", "Kiel", "0431", 24103, 24159),
    ("D", "Rostock", "0381", 18055, 18147), ("D", "Würzburg", "0931", 97070, 97084),
    ("D", "Bielefeld", "0521", 33602, 33739), ("D", "Augsburg", "0821", 86150, 86199),
    ("D", "Regensburg", "0941", 93047, 93059), ("D", "Erfurt", "0361", 99084, 99099),
    ("D", "Mainz", "06131", 55116, 55131), ("D", "Saarbrücken", "0681", 66111, 66133),
    ("D", "Lübeck", "0451", 23552, 23570), ("D", "Kassel", "0561", 34117, 34134),
    ("D", "Göttingen", "0551", 37073, 37085), ("D", "Oldenburg", "0441", 26121, 26135),
    ("D", "Osnabrück", "0541", 49074, 49090), ("D", "Potsdam", "0331", 14467, 14482),
    ("D", "Magdeburg", "0391", 39104, 39130), ("D", "Karlsruhe", "0721", 76131, 76229),
    ("D", "Heidelberg", "06221", 69115, 69126), ("D", "Ulm", "0731", 89073, 89081),
    ("D", "Görlitz", "03581", 2826, 2828), ("D", "Fürth", "0911", 90762, 90768),
    ("D", "Lüneburg", "04131", 21335, 21339), ("D", "Tübingen", "07071", 72070, 72076),
    ("D", "Bad Tölz", "08041", 83646, 83646), ("D", "Füssen", "08362", 87629, 87629),
    ("D", "Garmisch-Partenkirchen", "08821", 82467, 82467), ("D", "Weißenfels", "03443", 6667, 6667),
    ("D", "Böblingen", "07031", 71032, 71034), ("D", "Hofheim am Taunus", "06192", 65719, 65719),
]
ORTE_AUSLAND = [
    ("A", "Wien", "01", 1010, 1230), ("A", "Graz", "0316", 8010, 8055), ("A", "Linz", "0732", 4020, 4040),
    ("A", "Salzburg", "0662", 5020, 5026), ("A", "Innsbruck", "0512", 6020, 6020),
    ("CH", "Zürich", "044", 8001, 8057), ("CH", "Bern", "031", 3003, 3027), ("CH", "Basel", "061", 4001, 4059),
    ("CH", "St. Gallen", "071", 9000, 9016),
]
RUBRIKEN = ["Privat", "Familie", "Freunde", "Kollegen", "Kunde", "Lieferant", "Verein", "Behörde", "Arzt",
            "Handwerker", "Nachbarn"]
GEWERBE = ["Malerbetrieb", "Schreinerei", "Elektro", "Sanitär", "Bäckerei", "Autohaus", "Steuerbüro",
           "Gärtnerei", "Druckerei", "Getränke", "Kfz-Werkstatt", "Fahrschule"]
RECHTSFORMEN = ["GmbH", "GmbH & Co. KG", "e.K.", "KG", "OHG", ""]
# Bank code and bank name (at most 27 characters, the box's limit).
BANKEN = [
    ("37050198", "Sparkasse KölnBonn"), ("10070000", "Deutsche Bank Berlin"),
    ("70150000", "Stadtsparkasse München"), ("20050550", "Hamburger Sparkasse"),
    ("50040000", "Commerzbank Frankfurt"), ("20010020", "Postbank Hamburg"),
    ("60090100", "Volksbank Stuttgart"), ("10050000", "Berliner Sparkasse"),
    ("25050180", "Sparkasse Hannover"), ("76050101", "Sparkasse Nürnberg"),
    ("85050300", "Ostsächs. Sparkasse Dresden"), ("86055592", "Sparkasse Leipzig"),
    ("30050110", "Stadtsparkasse Düsseldorf"), ("44050199", "Sparkasse Dortmund"),
    ("29050101", "Sparkasse Bremen"), ("66050101", "Sparkasse Karlsruhe"),
]
MAILDOMAINS = ["web.de", "gmx.de", "gmx.net", "t-online.de", "freenet.de", "posteo.de", "mailbox.org",
               "arcor.de", "online.de", "aol.com"]
MOBILVORWAHLEN = ["0151", "0152", "0157", "0160", "0162", "0163", "0170", "0171", "0172", "0173", "0174",
                  "0175", "0176", "0177", "0178", "0179"]
ZUSAETZE = ["Hinterhaus", "2. OG links", "Erdgeschoss", "Apartment %d", "bei %s", "c/o %s",
            "Zimmer %d", "Seiteneingang"]
BEMERKUNGEN = [
    "Zuletzt gesprochen am %(datum)s°°Rückruf erbeten",
    "Weihnachtskarte schicken",
    "Schlüssel bei den Nachbarn",
    "Kunde seit %(jahr)d°°Zahlt pünktlich",
    "Bevorzugt Anrufe nach 18 Uhr",
    "Hat Geburtstag im Urlaub°°Karte vorher abschicken",
    "Termin am %(datum)s vereinbart°°Unterlagen mitbringen°°Parkplatz im Hof",
    "Möchte keine Werbung",
    "Rechnung an die Firmenanschrift",
    "Über Frau %(nachname)s kennengelernt",
]
ERSTES_DATUM = datetime.date(1995, 1, 1)
HEUTE = datetime.date(2026, 12, 10)


def ascii_teil(text):
    """The text as the part of an e-mail or web address: lower case, umlauts spelt out, no blanks."""
    ersatz = {"ä": "ae", "ö": "oe", "ü": "ue", "ß": "ss", "é": "e", "ë": "e", " ": "-", ".": ""}
    teil = "".join(ersatz.get(c, c) for c in text.lower())
    assert teil.isascii(), teil
    return teil


def datum(rng, von, bis):
    return von + datetime.timedelta(days=rng.randint(0, (bis - von).days))


def text(d):
    return d.strftime("%d.%m.%Y")


def telefonnummer(rng, vorwahl):
    # Longer area codes go with shorter subscriber numbers, as in the real numbering plan.
    stellen = max(4, rng.randint(8, 11) - len(vorwahl))
    return "%s/%d" % (vorwahl, rng.randint(10 ** (stellen - 1) * 2, 10 ** stellen - 1))


def datensatz(rng, index):
    weiblich = rng.random() < 0.5
    vorname = rng.choice(VORNAMEN_W if weiblich else VORNAMEN_M)
    nachname = rng.choice(NACHNAMEN)
    land, ort, vorwahl, plz_von, plz_bis = rng.choice(ORTE_AUSLAND if rng.random() < 0.04 else ORTE)
    plz = ("%05d" if land == "D" else "%04d") % rng.randint(plz_von, plz_bis)
    hausnummer = str(rng.randint(1, 180)) + ("" if rng.random() < 0.9 else rng.choice("abc"))
    rubrik = "" if rng.random() < 0.12 else rng.choice(RUBRIKEN)

    zusatz = ""
    if rubrik in ("Kunde", "Lieferant", "Handwerker") and rng.random() < 0.6:
        zusatz = ("%s %s %s" % (rng.choice(GEWERBE), nachname, rng.choice(RECHTSFORMEN))).strip()
    elif rng.random() < 0.12:
        muster = rng.choice(ZUSAETZE)
        if "%d" in muster:
            zusatz = muster % rng.randint(1, 40)
        elif "%s" in muster:
            zusatz = muster % ("%s %s" % (rng.choice(VORNAMEN_W + VORNAMEN_M), rng.choice(NACHNAMEN)))
        else:
            zusatz = muster

    telefon = telefonnummer(rng, vorwahl)
    telefax = "" if rng.random() < 0.7 else telefon + "-" + str(rng.randint(10, 99))
    mobil = "" if rng.random() < 0.5 else "%s/%d" % (rng.choice(MOBILVORWAHLEN), rng.randint(1000000, 99999999))
    datentelefon = "" if rng.random() < 0.99 else telefonnummer(rng, vorwahl)

    email = ""
    if rng.random() < 0.6:
        v, n = ascii_teil(vorname), ascii_teil(nachname)
        lokal = rng.choice(["%s.%s" % (v, n), "%s.%s" % (v[0], n), "%s%s" % (v, n), "%s_%s" % (v, n),
                            "%s%d" % (n, rng.randint(1, 99))])
        email = "%s@%s" % (lokal, rng.choice(MAILDOMAINS))

    erstellt = datum(rng, ERSTES_DATUM, datetime.date(2020, 12, 31))
    geaendert = datum(rng, erstellt, HEUTE)
    konto, blz, bank = "", "", ""
    if rng.random() < 0.4:
        blz, bank = rng.choice(BANKEN)
        konto = str(rng.randint(1000000, 9999999999))
    geburtstag = "" if rng.random() < 0.5 else text(datum(rng, datetime.date(1930, 1, 1), datetime.date(2008, 12, 31)))

    bemerkung = ""
    if rng.random() < 0.4:
        bemerkung = rng.choice(BEMERKUNGEN) % {"datum": text(datum(rng, datetime.date(2020, 1, 1), HEUTE)),
                                                "jahr": rng.randint(1998, 2025), "nachname": rng.choice(NACHNAMEN)}
    anrede = rng.choice([("Sehr geehrte Frau %s" if weiblich else "Sehr geehrter Herr %s") % nachname,
                         ("Liebe %s" if weiblich else "Lieber %s") % vorname, "Hallo %s" % vorname, ""])
    if rubrik == "Behörde":
        anrede = "Sehr geehrte Damen und Herren"
    www = ""
    if zusatz and zusatz.split()[0] in GEWERBE and rng.random() < 0.5:
        www = "www.%s-%s.de" % (ascii_teil(zusatz.split()[0]), ascii_teil(nachname))
    elif rng.random() < 0.05:
        www = "www.%s.de" % ascii_teil(nachname)

    felder = [rubrik or " ", nachname, vorname, "%s %s" % (rng.choice(STRASSEN), hausnummer), plz, ort, land,
              telefon, telefax, "", zusatz, bemerkung, mobil, datentelefon, email, text(erstellt), text(geaendert),
              konto, blz, bank, geburtstag, anrede, www, str(index)]
    return "".join(f + "\t" for f in felder)


def adressdatei(anzahl, seed, beschreibung):
    """The bytes of the file."""
    rng = random.Random(seed)
    zeilen = [".." + beschreibung] + [datensatz(rng, i) for i in range(1, anzahl + 1)]
    return "".join(z + "\r\n" for z in zeilen).encode("cp1252")


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("anzahl", type=int, metavar="COUNT", help="how many addresses (0 or more)")
    ap.add_argument("ziel", metavar="OUT.Dat", help="the file to write")
    ap.add_argument("--seed", type=int, default=1, help="the same seed gives the same file (default 1)")
    ap.add_argument("--beschreibung", default="Testadressen", help="the file's description (default Testadressen)")
    args = ap.parse_args()
    if args.anzahl < 0:
        ap.error("COUNT must not be negative")
    # A TAB would make the header a record line, a line break would split it.
    if any(c in args.beschreibung for c in "\t\r\n"):
        ap.error("the description must not hold a TAB or a line break")
    try:
        daten = adressdatei(args.anzahl, args.seed, args.beschreibung)
    except UnicodeEncodeError as e:
        sys.exit("the description cannot be written in Windows-1252: %s" % e)
    with open(args.ziel, "wb") as f:
        f.write(daten)


if __name__ == "__main__":
    main()
