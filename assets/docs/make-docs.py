#!/usr/bin/env python3
"""Writes Numora's documents as RTF: the user guide in five languages and the
end-user licence agreement.

    python3 assets/docs/make-docs.py            # writes into assets/docs/
    python3 assets/docs/make-docs.py --out DIR  # writes into DIR instead

Inputs, beside this script:
  pictures/LANG/main-window.png    the main window in the guide's language (LANG is en, fr,
  pictures/LANG/selections-649.png the 6/49 selection screen   de, it or es; a placeholder is
                                                               drawn where one is missing)
  share-table.json          slider percent "0".."90" -> expected share of lucky numbers
                            in a 6/49 ticket with six lucky numbers, as a fraction
                            ("6/49", 0.1224..., [6, 49] or {"numerator": 6, "denominator": 49});
                            rounded stand-in values are used if it is missing

Standard library only. The output depends on nothing but these inputs, so running
the script twice gives the same bytes.

Text markup in the tables below:
  **bold**   bold run inside body text
  ~          no-break space
  '          typographic apostrophe (except in the exact program strings of 'ex' blocks)
French prose also gets no-break spaces before ; : ? ! >> and after <<.
"""

import argparse
import binascii
import json
import math
import struct
import sys
import zlib
from fractions import Fraction
from pathlib import Path

HERE = Path(__file__).resolve().parent
TWIPS_PER_PIXEL = 15
SLIDER_STEPS = [str(p) for p in range(0, 100, 10)]

# Rounded stand-ins, used only when share-table.json is missing.
FALLBACK_SHARES = {
    "0": "0.122", "10": "0.183", "20": "0.277", "30": "0.350", "40": "0.425",
    "50": "0.498", "60": "0.571", "70": "0.651", "80": "0.739", "90": "0.844",
}

# Each guide's own pictures, grabbed by scripts/grab-guide-pictures.sh with the guide's language
# applied; sizes of the placeholders drawn where one is missing.
PICTURES = {
    "main-window.png": (330, 353),
    "selections-649.png": (267, 254),
}


def warn(msg):
    print("make-docs: " + msg, file=sys.stderr)


# ---------------------------------------------------------------------------
# Pictures

def png_size(data):
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        raise ValueError("not a PNG file")
    width, height = struct.unpack(">II", data[16:24])
    if width == 0 or height == 0:
        raise ValueError("PNG with an empty image")
    return width, height


def png_chunk(kind, payload):
    body = kind + payload
    return struct.pack(">I", len(payload)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def placeholder_png(width, height):
    """A light window-shaped rectangle: grey border, dark blue title bar."""
    border, title_h = 2, 22
    rows = []
    for y in range(height):
        row = bytearray(b"\x00")  # filter type: none
        for x in range(width):
            if x < border or y < border or x >= width - border or y >= height - border:
                px = (96, 96, 96)
            elif y < title_h:
                px = (0, 0, 128)
            else:
                px = (236, 236, 236)
            row += bytes(px)
        rows.append(bytes(row))
    raw = b"".join(rows)
    return (b"\x89PNG\r\n\x1a\n"
            + png_chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
            + png_chunk(b"IDAT", zlib.compress(raw, 9))
            + png_chunk(b"IEND", b""))


def load_picture(lang, name):
    path = HERE / "pictures" / lang / name
    if path.exists():
        data = path.read_bytes()
        png_size(data)
        return data
    width, height = PICTURES[name]
    warn("%s is missing; using a %dx%d placeholder" % (path, width, height))
    return placeholder_png(width, height)


# ---------------------------------------------------------------------------
# Share table

def to_fraction(value):
    if isinstance(value, bool):
        raise ValueError("not a number: %r" % (value,))
    if isinstance(value, int):
        return Fraction(value)
    if isinstance(value, float):
        return Fraction(repr(value))
    if isinstance(value, str):
        return Fraction(value.strip())
    if isinstance(value, list) and len(value) == 2:
        return Fraction(int(value[0]), int(value[1]))
    if isinstance(value, dict):
        for num, den in (("numerator", "denominator"), ("num", "den")):
            if num in value and den in value:
                return Fraction(int(value[num]), int(value[den]))
    raise ValueError("not a fraction: %r" % (value,))


def load_shares():
    path = HERE / "share-table.json"
    if path.exists():
        table = json.loads(path.read_text(encoding="utf-8"))
        source = str(path)
    else:
        warn("%s is missing; using rounded stand-in values" % path)
        table = FALLBACK_SHARES
        source = "stand-in values"
    if not isinstance(table, dict) or sorted(table, key=int) != SLIDER_STEPS:
        raise ValueError("%s: expected the keys %s" % (source, ", ".join(SLIDER_STEPS)))
    shares = {}
    for key in SLIDER_STEPS:
        share = to_fraction(table[key])
        if not 0 <= share <= 1:
            raise ValueError("%s: share for %s is outside 0..1" % (source, key))
        shares[key] = share
    return shares


def tenths_of_percent(share):
    """Share as a whole number of tenths of a percent, halves rounded up."""
    return math.floor(share * 1000 + Fraction(1, 2))


# ---------------------------------------------------------------------------
# RTF writing

def rtf_text(text):
    """Escapes text for RTF; non-ASCII characters as \\'hh in code page 1252."""
    out = []
    for ch in text:
        code = ord(ch)
        if ch in "\\{}":
            out.append("\\" + ch)
        elif ch == "\t":
            out.append("\\tab ")
        elif ch == "\n":
            out.append("\\line ")
        elif 32 <= code < 127:
            out.append(ch)
        else:
            try:
                byte = ch.encode("cp1252")
            except UnicodeEncodeError:
                raise ValueError("character %r (U+%04X) is not in code page 1252" % (ch, code))
            out.append("\\'%02x" % byte[0])
    return "".join(out)


def rich(text):
    """Body text with **bold** runs."""
    parts = text.split("**")
    if len(parts) % 2 == 0:
        raise ValueError("unbalanced ** in: " + text)
    out = []
    for i, part in enumerate(parts):
        if not part:
            continue
        out.append(("{\\b %s}" if i % 2 else "%s") % rtf_text(part))
    return "".join(out)


def prose(text, lang):
    text = text.replace("'", "\u2019").replace("~", "\u00a0")
    if lang == "fr":
        for mark in ";:?!\u00bb":
            text = text.replace(" " + mark, "\u00a0" + mark)
        text = text.replace("\u00ab ", "\u00ab\u00a0")
    return text


class Rtf:
    # colour 1 black (body), 2 dark blue (headings)
    HEAD = ("{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang%(lang)d"
            "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}"
            "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue128;}\n"
            "{\\info{\\title %(title)s}{\\author Corvane Software}{\\company Corvane Software}}\n"
            "\\paperw12240\\paperh15840\\margl1440\\margr1440\\margt1440\\margb1440"
            "\\viewkind4\\uc1\\widowctrl\n")

    def __init__(self, title, langid):
        self.langid = langid
        self.parts = [self.HEAD % {"lang": langid, "title": rtf_text(title)}]

    def char(self, size=20, colour=1, extra=""):
        return "\\plain\\f0\\fs%d\\cf%d\\lang%d%s " % (size, colour, self.langid, extra)

    def para(self, fmt, body, size=20, colour=1, extra=""):
        self.parts.append("\\pard%s%s%s\\par\n" % (fmt, self.char(size, colour, extra), body))

    def title(self, text):
        self.para("\\qc\\sa60", rtf_text(text), size=40, colour=2, extra="\\b")

    def subtitle(self, text):
        self.para("\\qc\\sa240", rtf_text(text), size=22, extra="\\b")

    def heading(self, text):
        self.para("\\keepn\\sb240\\sa80", rtf_text("* " + text), size=24, colour=2, extra="\\b")

    def body(self, text):
        self.para("\\sa120", rich(text))

    def bullets(self, items):
        for item in items:
            self.para("\\fi-240\\li360\\tx360\\sa60", "\\'95\\tab " + rich(item))
        self.parts[-1] = self.parts[-1].replace("\\sa60", "\\sa120", 1)

    def example(self, text):
        self.para("\\li360\\sa60", rtf_text(text), extra="\\b")

    def picture(self, png, caption):
        width, height = png_size(png)
        hexdata = binascii.hexlify(png).decode("ascii")
        lines = "\n".join(hexdata[i:i + 128] for i in range(0, len(hexdata), 128))
        pict = ("{\\pict\\pngblip\\picw%d\\pich%d\\picwgoal%d\\pichgoal%d\n%s}"
                % (width, height, width * TWIPS_PER_PIXEL, height * TWIPS_PER_PIXEL, lines))
        self.parts.append("\\pard\\keepn\\qc\\sb120\\sa60%s%s\\par\n" % (self.char(), pict))
        self.para("\\qc\\sa200", rtf_text(caption), size=18, extra="\\i")

    def table(self, rows, widths):
        """rows: lists of cell texts; the first row is the header (bold)."""
        border = "".join("\\clbrdr%s\\brdrs\\brdrw10" % side for side in "tlbr")
        for r, row in enumerate(rows):
            x, cells = 0, []
            for width in widths:
                x += width
                cells.append("\\clvertalc%s\\cellx%d" % (border, x))
            out = ["\\trowd\\trgaph108\\trqc\\trkeep" + ("\\trhdr" if r == 0 else "") + "".join(cells) + "\n"]
            for text in row:
                out.append("\\pard\\intbl\\qc%s%s\\cell\n"
                           % (self.char(extra="\\b" if r == 0 else ""), rtf_text(text)))
            out.append("\\row\n")
            self.parts.append("".join(out))
        self.parts.append("\\pard\\sa120%s\\par\n" % self.char())

    def closing(self, text):
        self.para("\\qc\\sb360\\sa120", rtf_text(text), extra="\\i")

    def data(self):
        text = "".join(self.parts) + "}\n"
        return text.encode("ascii")


# ---------------------------------------------------------------------------
# The user guide, one table per language. Every language has the same blocks
# in the same order (checked below); only the words differ.
#
# Blocks: ("title", t) ("sub", t) ("h", t) ("p", t) ("ul", [t, ...])
#         ("ex", exact program text) ("pic", file, caption)
#         ("share0", t)  sentence with {share0}, added to the paragraph before it only
#                        if the share at 0 is above 0
#         ("table", slider header, share header) ("end", t)
# Program strings quoted in the text ("Entry of Draws done", button captions in each
# interface language) are those the program shows.

GUIDES = {}

GUIDES["en"] = {
    "file": "Numora User Guide.rtf", "langid": 1033, "doctitle": "Numora User Guide",
    "percent": "{whole}.{tenth}%",
    "blocks": [
        ("title", "Numora"),
        ("sub", "For Windows 98/ME/2000/NT4/XP"),
        ("p", "Numora picks numbers for the 6/49 lottery, for Super 7 and for a lottery of your own "
              "design, and mixes your personal lucky numbers into the tickets as much or as little "
              "as you like."),

        ("h", "How to pick a lucky number"),
        ("p", "Many players like to play numbers that mean something to them: the birthdays of "
              "family and friends, a wedding day or another special event, numbers found through "
              "astrology or numerology, or simply a hunch. Any number that feels lucky to you can go "
              "into your lucky number set."),
        ("p", "Remember that the days of the month only reach 31. A set made of dates alone never "
              "contains the numbers from 32 to 49, and since many other players choose dates too, a "
              "prize won with such numbers is more likely to be shared. Numora draws the rest of each "
              "ticket from all the balls of the lottery, so your tickets still cover the whole range."),

        ("h", "Using Numora"),
        ("p", "The main window has a row of buttons across the top:"),
        ("ul", [
            "**649** picks numbers for the 6/49 lottery.",
            "**Super 7** picks numbers for Super 7.",
            "**Custom** sets up a lottery of your own (see Custom lottery settings).",
            "**About** opens a window with the version and the terms of use. Its buttons open the "
            "End User Licence Agreement and the maker's web site; **System Info...** starts the System Information "
            "program on Windows and, on Linux, the desktop's own system information program: the "
            "one of the desktop in use first, else the first one installed of GNOME Settings (its About "
            "page), KDE Info Center, Xfce's About window, MATE System Monitor and HardInfo. "
            "Where there is none, Numora says \u201cSystem Information Is Unavailable At This "
            "Time\u201d.",
            "**Help** opens this guide. Click a flag below the guide to read it in English, French, "
            "German, Italian or Spanish. The flag also switches Numora's buttons to that language: "
            "those of the main window at once, those of a selection screen opened afterwards. Some "
            "windows keep their English texts.",
        ]),
        ("p", "Click the picture below the buttons for a short tip. Closing the main window ends "
              "Numora."),
        ("pic", "main-window.png", "The main window"),
        ("p", "**The help video.** The film picture in the help window plays the help video: it "
              "shows Numora in use, step by step, with captions."),
        ("p", "**Entering your lucky numbers.** The 649 button opens a screen with a numbered button "
              "for each ball, 1 to 49 (1 to 47 for Super 7). Click your lucky numbers one at a time; "
              "they are listed under Lucky 649 numbers (on the Super 7 screen, under Lucky S7 numbers). For 6/49 enter 6 numbers, for Super 7 enter 7. "
              "Each number can be entered only once: clicking it again shows \u201cThis number was "
              "already entered\u201d. **Undo** removes the number entered last. When the set is "
              "complete, Numora says \u201cEntry of Draws done\u201d: click Next or Undo."),
        ("p", "**The lucky number slider.** Under the numbers is the slider that sets how strongly "
              "your lucky numbers are mixed into the tickets: from 0 to 90 percent in steps of 10. It "
              "starts at 20. To move it one step, click its handle (or reach it with the Tab key) and "
              "press the Left or Right arrow key; Home and End take it to 0 and 90. You can also drag "
              "the handle to any step. A click on the slider beside the handle moves it five steps "
              "(50 percent) at once towards the click, or to the end, so clicks alone reach only some "
              "settings: from 20, a click on the right gives 70. Each time, the line above the slider "
              "shows the new setting: one step to the right from 20 reads Percent chance of lucky "
              "numbers= 30. See How the lucky number slider works below."),
        ("p", "**Next and Quick Pick.** **Next** becomes available when your set is complete; it "
              "takes your lucky numbers and the slider setting to the selection screen. **Quick "
              "Pick** goes there at once with a plain random pick, without lucky numbers, whatever "
              "you have entered. After that, the lottery's entry screen does not open again until "
              "you start Numora anew."),
        ("p", "**The selection screen.** Choose how many selections (tickets) you want: **Five**, "
              "**Ten** or **Twenty**; Five is chosen when the screen opens. Then:"),
        ("ul", [
            "**Show** opens a window with your selections, one ticket per line. From then on the "
            "number of selections is fixed, and Print uses the same selections.",
            "**Print** opens the window with your selections if it is not open yet and asks "
            "\u201cIs the printer on?\u201d. Click OK to print the selections on your default "
            "printer. Numora ends when printing is done; it also ends, after telling you, when you "
            "click Cancel (\u201cThe Printer was not ready, Close Numora\u201d) or when the page "
            "could not be printed. Where no printer is set up, it says that your selections were not "
            "printed and that you can keep them with Save as PDF or Copy.",
            "**Close** ends Numora and closes all its windows: keep your tickets first, with Save as "
            "PDF or Copy.",
        ]),
        ("p", "**Keeping your tickets.** Right-click the window with your selections for its menu. "
              "**Copy** (Ctrl+C) puts the tickets on the clipboard as text, one ticket per line, to "
              "paste wherever you like. **Save as PDF...** (Ctrl+S) saves the page that Print would "
              "print as a PDF file: Numora suggests a name made of the lottery and the date, such as "
              "numora-649-2026-12-11.pdf for 6/49, in your Documents folder, and asks before it "
              "replaces a file of that name. The window stays open, so you can still print "
              "afterwards."),
        ("pic", "selections-649.png", "The selection screen"),

        ("h", "How the lucky number slider works"),
        ("p", "The slider decides how many balls of each ticket are taken from your lucky number set "
              "instead of being drawn from the whole lottery."),
        ("ul", [
            "At **0** Numora plays a plain quick pick: every ball is drawn at random. The Quick Pick "
            "button does the same.",
            "At the default of **20** about a fifth of the balls come from your lucky numbers; the "
            "rest are drawn at random.",
            "At the maximum of **90** about nine balls in ten come from your lucky numbers; in "
            "practice a little less, because no number is drawn twice in a ticket: each lucky number "
            "already on the ticket is used up, and the next ball must come from the others.",
        ]),
        ("p", "The table shows, for a 6/49 ticket with six lucky numbers, what share of the ticket's "
              "numbers are lucky numbers on average at each slider position."),
        ("share0", "It counts every lucky number on the ticket, also those that turn up by plain "
                   "chance: even at 0 the share is {share0}, since your six numbers are six of the "
                   "49 balls."),
        ("table", "Slider", "Lucky numbers in the ticket"),
        ("p", "At several slider positions the lucky number you enter last comes up a little more often than the others, and at "
              "10 it is the only one that is added: enter your favourite number last."),

        ("h", "Custom lottery settings"),
        ("p", "The Custom button opens the Custom Lottery Settings window, for a lottery with other "
              "numbers than 6/49 or Super 7. It holds three values, top to bottom; change each with "
              "its up and down arrows or type it into its box. The value Numora will use is shown "
              "between the arrows."),
        ("ul", [
            "**lucky number set** (1 to 8): how many lucky numbers you will enter;",
            "**balls drawn** (1 to 8): how many numbers each ticket has;",
            "**balls in lottery** (9 to 80): how many balls the lottery has.",
        ]),
        ("p", "The examples give the three values in this order:"),
        ("ex", "Example: 649 quick pick=0 6 49"),
        ("ex", "Example:649 with 3 lucky numbers=3 6 49"),
        ("p", "The lucky number set holds at least 1 number: Numora turns 0 into 1 and tells you so. "
              "To play without lucky numbers, as in the first example, press Quick Pick on the entry "
              "screen."),
        ("p", "**Next** checks the values, corrects any that are out of range with a message, and "
              "opens the entry screen with a button for each ball. The lucky number set cannot be "
              "larger than the balls drawn; Numora lowers it if needed. From there everything works "
              "as for 6/49. **Cancel** returns to the main window. Once you have shown the selections "
              "of a custom lottery, the Custom button starts a new one from 6, 6 and 49."),
        ("p", "A custom lottery keeps room for eight lucky numbers. With a smaller set, fewer lucky "
              "numbers are mixed in than the slider shows."),

        ("h", "About lotteries"),
        ("p", "In a lottery every combination of numbers has exactly the same chance of being drawn. "
              "No system, pattern or choice of lucky numbers changes the odds, Numora's included. The "
              "game's operator keeps a share of the money staked to pay for the game (and often for "
              "good causes or taxes), so on average players get back less than they pay. Numora is "
              "for amusement only: play for fun, and only with money you can afford to lose."),
        ("p", "6/49 means that six balls are drawn from 49; Super 7 means that seven balls are drawn "
              "from 47."),

        ("h", "Odds"),
        ("p", "Each entry screen has an **Odds** button. It shows the odds of winning the lottery: "
              "for each ball drawn the chance that it is one of your numbers, these chances "
              "multiplied together, and the odds of matching every number, as 1 in N. For 6/49 the "
              "odds are 1 in 13,983,816; for Super 7 they are 1 in 62,891,499."),

        ("h", "Note"),
        ("p", "Numora is not affiliated with, endorsed by or connected to any lottery or lottery "
              "operator. The names of lotteries are used only to describe the games."),

        ("end", "Numora is made by Corvane Software."),
    ],
}

GUIDES["fr"] = {
    "file": "649HlpGuideFrench.rtf", "langid": 1036, "doctitle": "Guide de l'utilisateur de Numora",
    "percent": "{whole},{tenth}~%",
    "blocks": [
        ("title", "Numora"),
        ("sub", "Pour Windows 98/ME/2000/NT4/XP"),
        ("p", "Numora choisit des numéros pour la loterie 6/49, pour le Super 7 et pour une loterie "
              "que vous définissez vous-même, et mêle vos numéros chanceux à vos grilles, autant ou "
              "aussi peu que vous le souhaitez."),

        ("h", "Comment choisir un numéro chanceux"),
        ("p", "Beaucoup de joueurs aiment jouer des numéros qui ont un sens pour eux : les "
              "anniversaires de leurs proches, une date de mariage ou un autre événement marquant, "
              "des numéros tirés de l'astrologie ou de la numérologie, ou tout simplement une "
              "intuition. Tout numéro qui vous semble porter chance peut entrer dans votre série de "
              "numéros chanceux."),
        ("p", "N'oubliez pas que les jours du mois ne vont que jusqu'à 31. Une série faite uniquement "
              "de dates ne contient jamais les numéros de 32 à 49 ; et comme beaucoup d'autres joueurs "
              "choisissent aussi des dates, un lot gagné avec de tels numéros risque davantage d'être "
              "partagé. Numora tire le reste de chaque grille parmi toutes les boules de la loterie, "
              "de sorte que vos grilles couvrent quand même tous les numéros."),

        ("h", "Utiliser Numora"),
        ("p", "La fenêtre principale présente une rangée de boutons en haut :"),
        ("ul", [
            "**649** choisit des numéros pour la loterie 6/49.",
            "**Super 7** choisit des numéros pour le Super 7.",
            "**Coutume** crée une loterie personnalisée (voir Réglages d'une loterie personnalisée).",
            "**About** ouvre une fenêtre qui affiche la version et les conditions d'utilisation. Ses "
            "boutons ouvrent le "
            "contrat de licence d'utilisateur final (End User Licence Agreement) et le site web de "
            "l'éditeur ; **System Info...** lance le programme Informations système sous Windows et, "
            "sous Linux, le programme d'informations système du bureau : celui du bureau utilisé "
            "d'abord, sinon le premier installé parmi les Paramètres de GNOME (page « À propos »), "
            "le Centre d'informations de KDE, la fenêtre « À propos » de Xfce, le Moniteur système "
            "de MATE et HardInfo. S'il n'y en a aucun, Numora affiche « System Information Is Unavailable At "
            "This Time ».",
            "**Aider** ouvre la fenêtre d'aide, toujours sur le guide en anglais. Cliquez sur un "
            "drapeau sous le guide pour le lire en anglais, en français, en allemand, en italien ou "
            "en espagnol. Le drapeau fait aussi passer les boutons de Numora dans cette langue : "
            "ceux de la fenêtre principale aussitôt, ceux d'un écran des sélections ouvert ensuite. "
            "Certaines fenêtres gardent leurs textes en anglais.",
        ]),
        ("p", "Cliquez sur l'image sous les boutons pour obtenir un conseil. Fermer la fenêtre "
              "principale met fin à Numora."),
        ("pic", "main-window.png", "La fenêtre principale"),
        ("p", "**La vidéo d'aide.** L'image de pellicule de la fenêtre d'aide lance la vidéo d'aide : "
              "elle montre Numora en action, étape par étape, avec des sous-titres en anglais."),
        ("p", "**Saisir vos numéros chanceux.** Le bouton 649 ouvre un écran qui porte un bouton "
              "numéroté pour chaque boule, de 1 à 49 (de 1 à 47 pour le Super 7). Cliquez sur vos "
              "numéros chanceux un à un ; ils s'affichent sous Lucky 649 numbers (sur l'écran du Super 7, sous Lucky S7 numbers). Pour le 6/49, "
              "entrez 6 numéros ; pour le Super 7, sept. Chaque numéro ne peut être entré qu'une fois : "
              "un second clic affiche « This number was already entered ». **Undo** efface le dernier "
              "numéro entré. Quand la série est complète, Numora affiche « Entry of Draws done » : "
              "cliquez sur Next ou sur Undo."),
        ("p", "**Le curseur des numéros chanceux.** Sous les numéros, un curseur règle la place de vos "
              "numéros chanceux dans les grilles : de 0 à 90 pour cent, par pas de 10. Il part de 20. "
              "Pour le déplacer d'un cran, cliquez sur sa poignée (ou atteignez-le avec la touche "
              "Tab), puis appuyez sur la flèche gauche ou droite du clavier ; les touches Début et "
              "Fin le mènent à 0 et à 90. Vous pouvez aussi faire glisser la poignée jusqu'au cran "
              "voulu. Un clic sur le curseur à côté de la poignée la déplace d'un coup de cinq crans "
              "(50 pour cent) vers le clic, ou jusqu'au bout : au clic seul, certains réglages restent "
              "donc hors d'atteinte ; depuis 20, un clic à droite donne 70. À chaque fois, la ligne "
              "au-dessus du curseur affiche le nouveau réglage : un cran vers la droite depuis 20 "
              "donne Percent chance of lucky numbers= 30. Voir plus bas Fonctionnement du curseur des "
              "numéros chanceux."),
        ("p", "**Next et Quick Pick.** **Next** devient actif quand votre série est complète ; il "
              "transmet vos numéros chanceux et le réglage du curseur à l'écran des sélections. "
              "**Quick Pick** y mène directement avec un tirage purement au hasard, sans numéros "
              "chanceux, quoi que vous ayez entré. Ensuite, l'écran de saisie de cette loterie ne se "
              "rouvre plus avant le prochain démarrage de Numora."),
        ("p", "**L'écran des sélections.** Choisissez le nombre de sélections (grilles) : **Cinq**, "
              "**Dizaine** (dix) ou **Vingt** ; Cinq est choisi à l'ouverture. Ensuite :"),
        ("ul", [
            "**Apparat** (afficher) ouvre une fenêtre avec vos sélections, une grille par ligne. Dès "
            "lors, le nombre de sélections est fixé et l'impression reprend les mêmes sélections.",
            "**Empreinte** (imprimer) ouvre au besoin la fenêtre de vos sélections et demande « Is "
            "the printer on? » (l'imprimante est-elle allumée ?). Cliquez sur OK pour imprimer les "
            "sélections sur l'imprimante par défaut. Numora se ferme une fois l'impression "
            "terminée ; il se ferme aussi, après vous avoir prévenu, si vous cliquez sur Cancel "
            "(« The Printer was not ready, Close Numora ») ou si la page n'a pas pu être imprimée. "
            "Si aucune imprimante n'est configurée, il indique que vos grilles n'ont pas été "
            "imprimées et que vous pouvez les garder avec Enregistrer en PDF ou Copier.",
            "**Fermer** met fin à Numora et ferme toutes ses fenêtres : gardez d'abord vos grilles "
            "avec Enregistrer en PDF ou Copier.",
        ]),
        ("p", "**Garder vos grilles.** Un clic droit dans la fenêtre de vos sélections ouvre son menu. "
              "**Copier** (Ctrl+C) place les grilles dans le presse-papiers sous forme de texte, une "
              "grille par ligne, prêtes à être collées où vous voulez. **Enregistrer en PDF...** (Ctrl+S) "
              "enregistre dans un fichier PDF la page que l'impression produirait : Numora propose un "
              "nom formé de la loterie et de la date, par exemple numora-649-2026-12-11.pdf pour le "
              "6/49, dans votre dossier Documents, et demande confirmation avant de remplacer un "
              "fichier du même nom. La fenêtre reste ouverte : vous pouvez encore imprimer ensuite."),
        ("pic", "selections-649.png", "L'écran des sélections"),

        ("h", "Fonctionnement du curseur des numéros chanceux"),
        ("p", "Le curseur décide combien de boules de chaque grille sont prises dans votre série de "
              "numéros chanceux au lieu d'être tirées parmi toutes les boules de la loterie."),
        ("ul", [
            "À **0**, Numora joue une sélection rapide ordinaire : chaque boule est tirée au hasard. "
            "Le bouton Quick Pick fait la même chose.",
            "Au réglage par défaut, **20**, environ une boule sur cinq vient de vos numéros "
            "chanceux ; les autres sont tirées au hasard.",
            "Au maximum, **90**, environ neuf boules sur dix viennent de vos numéros chanceux ; en "
            "pratique un peu moins, car aucun numéro n'est tiré deux fois dans une même grille : "
            "chaque numéro chanceux déjà sur la grille est épuisé, et la boule suivante doit venir "
            "des autres.",
        ]),
        ("p", "Le tableau indique, pour une grille de 6/49 avec six numéros chanceux, la part moyenne "
              "de numéros chanceux dans la grille selon la position du curseur."),
        ("share0", "Il compte tous les numéros chanceux de la grille, y compris ceux qu'amène le seul "
                   "hasard : même à 0, la part est de {share0}, car vos six numéros sont six des 49 "
                   "boules."),
        ("table", "Curseur", "Numéros chanceux dans la grille"),
        ("p", "À plusieurs positions du curseur, le numéro chanceux entré en dernier sort un peu plus souvent que les autres, et à 10 "
              "c'est le seul qui soit ajouté : entrez votre numéro préféré en dernier."),

        ("h", "Réglages d'une loterie personnalisée"),
        ("p", "Le bouton Coutume ouvre la fenêtre Custom Lottery Settings, pour une loterie dont les "
              "nombres diffèrent du 6/49 et du Super 7. Elle comporte trois valeurs, de haut en bas ; "
              "modifiez chacune avec ses flèches haut et bas, ou tapez-la dans sa case. La valeur que "
              "Numora retiendra s'affiche entre les flèches."),
        ("ul", [
            "**la taille de la série de numéros chanceux** (1 à 8) : combien de numéros chanceux "
            "vous entrerez ;",
            "**les boules tirées** (1 à 8) : combien de numéros compte chaque grille ;",
            "**les boules de la loterie** (9 à 80) : combien de boules compte la loterie.",
        ]),
        ("p", "Les exemples donnent les trois valeurs dans cet ordre :"),
        ("ex", "Example: 649 quick pick=0 6 49"),
        ("ex", "Example:649 with 3 lucky numbers=3 6 49"),
        ("p", "La série de numéros chanceux compte au moins 1 numéro : Numora remplace 0 par 1 et vous "
              "en avertit. Pour jouer sans numéros chanceux, comme dans le premier exemple, appuyez "
              "sur Quick Pick dans l'écran de saisie."),
        ("p", "**Next** vérifie les valeurs, corrige avec un message celles qui sont hors limites, puis "
              "ouvre l'écran de saisie avec un bouton pour chaque boule. La série de numéros chanceux "
              "ne peut pas dépasser le nombre de boules tirées ; Numora la réduit au besoin. La suite "
              "se déroule comme pour le 6/49. **Cancel** ramène à la fenêtre principale. Une fois les "
              "sélections d'une loterie personnalisée affichées, le bouton Coutume en commence une "
              "nouvelle à partir de 6, 6 et 49."),
        ("p", "Une loterie personnalisée prévoit la place de huit numéros chanceux. Avec une série plus "
              "petite, il entre moins de numéros chanceux que ne l'indique le curseur."),

        ("h", "À propos des loteries"),
        ("p", "Dans une loterie, chaque combinaison de numéros a exactement la même chance d'être "
              "tirée. Aucun système, aucune régularité, aucun choix de numéros chanceux ne change les "
              "chances, pas même Numora. L'organisateur du jeu garde une part des mises pour couvrir "
              "ses frais (et souvent pour de bonnes causes ou pour l'État) ; en moyenne, les joueurs "
              "récupèrent donc moins qu'ils ne misent. Numora est un simple divertissement : jouez "
              "pour le plaisir, et seulement avec de l'argent que vous pouvez vous permettre de "
              "perdre."),
        ("p", "6/49 signifie que six boules sont tirées parmi 49 ; Super 7, que sept boules sont "
              "tirées parmi 47."),

        ("h", "Chances de gain"),
        ("p", "Chaque écran de saisie a un bouton **Odds**. Il affiche les chances de gagner la "
              "loterie : pour chaque boule tirée, la probabilité qu'elle soit l'un de vos numéros, le "
              "produit de ces probabilités, et les chances de trouver tous les numéros, sous la forme "
              "1 sur N. Pour le 6/49, elles sont de 1 sur 13~983~816 ; pour le Super 7, de 1 sur "
              "62~891~499."),

        ("h", "Remarque"),
        ("p", "Numora n'est affilié à aucune loterie ni à aucun organisme de loterie, et n'est "
              "approuvé par aucun d'eux. Les noms de loteries servent uniquement à décrire les jeux."),

        ("end", "Numora est une création de Corvane Software."),
    ],
}

GUIDES["de"] = {
    "file": "649HlpGuideGerman.rtf", "langid": 1031, "doctitle": "Numora Benutzerhandbuch",
    "percent": "{whole},{tenth}~%",
    "blocks": [
        ("title", "Numora"),
        ("sub", "Für Windows 98/ME/2000/NT4/XP"),
        ("p", "Numora wählt Zahlen für die Lotterie 6/49, für Super 7 und für eine Lotterie nach Ihren "
              "eigenen Regeln und mischt Ihre persönlichen Glückszahlen so stark oder so schwach in "
              "die Tipps, wie Sie möchten."),

        ("h", "Wie man eine Glückszahl wählt"),
        ("p", "Viele Spieler setzen gern auf Zahlen, die ihnen etwas bedeuten: die Geburtstage von "
              "Familie und Freunden, den Hochzeitstag oder ein anderes besonderes Ereignis, Zahlen aus "
              "Astrologie oder Numerologie oder einfach eine Eingebung. Jede Zahl, die Ihnen Glück zu "
              "bringen scheint, kann zu Ihren Glückszahlen gehören."),
        ("p", "Denken Sie daran, dass die Tage eines Monats nur bis 31 reichen. Glückszahlen, die nur "
              "aus Daten bestehen, enthalten nie die Zahlen von 32 bis 49; und da viele andere Spieler "
              "ebenfalls Daten wählen, muss ein Gewinn mit solchen Zahlen eher geteilt werden. Numora "
              "zieht den Rest jedes Tipps aus allen Kugeln der Lotterie, sodass Ihre Tipps trotzdem "
              "den ganzen Zahlenbereich abdecken."),

        ("h", "Numora verwenden"),
        ("p", "Das Hauptfenster hat oben eine Reihe von Schaltflächen:"),
        ("ul", [
            "**649** wählt Zahlen für die Lotterie 6/49.",
            "**Super 7** wählt Zahlen für Super 7.",
            "**Sitte** richtet eine eigene Lotterie ein (siehe Einstellungen der eigenen Lotterie).",
            "**Labout** öffnet ein Fenster mit der Version und den Nutzungsbedingungen. Dessen "
            "Schaltflächen öffnen den Endbenutzer-Lizenzvertrag (End User Licence Agreement) und die Website des "
            "Herstellers; **System Info...** startet unter Windows das Programm Systeminformationen "
            "und unter Linux das Systeminformationsprogramm der Arbeitsumgebung, und zwar zuerst das der "
            "laufenden Arbeitsumgebung, sonst das erste installierte von GNOME-Einstellungen (Seite "
            "\u201eInfo\u201c), KDE-Infozentrum, dem Info-Fenster von Xfce, der Systemüberwachung "
            "von MATE und HardInfo. Ist keines davon installiert, meldet Numora \u201eSystem Information Is "
            "Unavailable At This Time\u201c.",
            "**Aufhelfe** öffnet das Hilfefenster, stets mit der englischen Anleitung. Ein Klick auf "
            "eine Flagge unter der Anleitung zeigt sie auf Englisch, Französisch, Deutsch, "
            "Italienisch oder Spanisch. Zugleich wechseln die Schaltflächen von Numora in diese "
            "Sprache: die des Hauptfensters sofort, die der Auswahlfenster, sobald sie danach "
            "geöffnet werden. Manche Fenster behalten ihre englischen Texte.",
        ]),
        ("p", "Ein Klick auf das Bild unter den Schaltflächen zeigt einen kurzen Hinweis. Wenn Sie das "
              "Hauptfenster schließen, wird Numora beendet."),
        ("pic", "main-window.png", "Das Hauptfenster"),
        ("p", "**Das Hilfevideo.** Das Filmbild im Hilfefenster spielt das Hilfevideo ab: Es zeigt "
              "Numora Schritt für Schritt im Einsatz, mit englischen Untertiteln."),
        ("p", "**Glückszahlen eingeben.** Die Schaltfläche 649 öffnet ein Fenster mit einer "
              "nummerierten Schaltfläche für jede Kugel, 1 bis 49 (bei Super 7: 1 bis 47). Klicken Sie "
              "Ihre Glückszahlen nacheinander an; sie erscheinen unter Lucky 649 numbers (im Fenster für Super 7 unter Lucky S7 numbers). Für 6/49 "
              "geben Sie 6 Zahlen ein, für Super 7 sieben. Jede Zahl lässt sich nur einmal eingeben: "
              "Ein zweiter Klick zeigt \u201eThis number was already entered\u201c. **Undo** entfernt "
              "die zuletzt eingegebene Zahl. Sind alle Zahlen eingegeben, meldet Numora \u201eEntry of "
              "Draws done\u201c: Klicken Sie auf Next oder Undo."),
        ("p", "**Der Glückszahlen-Schieberegler.** Unter den Zahlen liegt der Schieberegler, der "
              "bestimmt, wie stark Ihre Glückszahlen in die Tipps einfließen: von 0 bis 90 Prozent in "
              "Zehnerschritten. Zu Beginn steht er auf 20. Um ihn um einen Schritt zu verschieben, "
              "klicken Sie auf seinen Schieber (oder gehen Sie mit der Tabulatortaste zu ihm) und "
              "drücken Sie die Pfeiltaste nach links oder rechts; Pos1 und Ende setzen ihn auf 0 und "
              "90. Sie können den Schieber auch auf jede Stufe ziehen. Ein Klick neben den Schieber "
              "versetzt ihn um fünf Schritte (50 Prozent) auf einmal zum Klick hin, höchstens bis "
              "zum Ende; mit Klicks allein erreichen Sie also nur manche Stellungen: Von 20 aus "
              "ergibt ein Klick rechts 70. Jedes Mal zeigt die Zeile über dem Regler die neue "
              "Einstellung: Ein Schritt nach rechts von 20 aus ergibt Percent chance of lucky "
              "numbers= 30. Mehr dazu unter So wirkt der Glückszahlen-Schieberegler."),
        ("p", "**Next und Quick Pick.** **Next** wird verfügbar, sobald alle Glückszahlen eingegeben "
              "sind; es übergibt sie mit der Reglerstellung an das Auswahlfenster. **Quick Pick** "
              "führt sofort dorthin und wählt rein zufällig, ohne Glückszahlen, gleich was Sie "
              "eingegeben haben. Danach öffnet sich das Eingabefenster dieser Lotterie erst nach einem "
              "Neustart von Numora wieder."),
        ("p", "**Das Auswahlfenster.** Wählen Sie, wie viele Tipps Sie möchten: **Fünf**, **Zehn** "
              "oder **Zwanzig**; beim Öffnen ist Fünf gewählt. Dann:"),
        ("ul", [
            "**Ausstellung** (Anzeigen) öffnet ein Fenster mit Ihren Tipps, ein Tipp pro Zeile. "
            "Danach steht die Anzahl fest, und beim Drucken werden dieselben Tipps verwendet.",
            "**Kattun** (Drucken) öffnet, falls nötig, das Fenster mit Ihren Tipps und fragt "
            "\u201eIs the printer on?\u201c (Ist der Drucker eingeschaltet?). Mit OK werden die "
            "Tipps auf dem Standarddrucker gedruckt. Nach dem Drucken wird Numora beendet, ebenso "
            "nach einer Meldung, wenn Sie auf Cancel klicken (\u201eThe Printer was not ready, Close "
            "Numora\u201c) oder wenn die Seite nicht gedruckt werden konnte. Ist kein Drucker "
            "eingerichtet, meldet Numora, dass Ihre Tipps nicht gedruckt wurden und dass Sie sie "
            "mit \u201eAls PDF speichern\u201c oder \u201eKopieren\u201c aufbewahren können.",
            "**Schliesse** (Schließen) beendet Numora mit allen Fenstern: Bewahren Sie Ihre Tipps "
            "vorher mit \u201eAls PDF speichern\u201c oder \u201eKopieren\u201c auf.",
        ]),
        ("p", "**Tipps aufbewahren.** Ein Rechtsklick in das Fenster mit Ihren Tipps öffnet sein Menü. "
              "**Kopieren** (Strg+C) legt die Tipps als Text in die Zwischenablage, einen Tipp pro "
              "Zeile, zum Einfügen, wo Sie möchten. **Als PDF speichern...** (Strg+S) speichert die Seite, "
              "die der Drucker erhielte, als PDF-Datei: Numora schlägt einen Namen aus Lotterie und "
              "Datum vor, etwa numora-649-2026-12-11.pdf für 6/49, im Ordner Dokumente, und fragt "
              "nach, bevor es eine gleichnamige Datei ersetzt. Das Fenster bleibt offen; Sie können "
              "danach also noch drucken."),
        ("pic", "selections-649.png", "Das Auswahlfenster"),

        ("h", "So wirkt der Glückszahlen-Schieberegler"),
        ("p", "Der Regler bestimmt, wie viele Kugeln jedes Tipps aus Ihren Glückszahlen genommen statt "
              "aus der ganzen Lotterie gezogen werden."),
        ("ul", [
            "Bei **0** spielt Numora einen reinen Quick Pick: Jede Kugel wird zufällig gezogen. Die "
            "Schaltfläche Quick Pick bewirkt dasselbe.",
            "Bei der Grundeinstellung **20** stammt etwa jede fünfte Kugel aus Ihren Glückszahlen; "
            "die übrigen werden zufällig gezogen.",
            "Beim Höchstwert **90** stammen etwa neun von zehn Kugeln aus Ihren Glückszahlen, in der "
            "Praxis etwas weniger, denn keine Zahl wird in einem Tipp zweimal gezogen: Jede "
            "Glückszahl, die schon im Tipp steht, ist verbraucht, und die nächste Kugel muss von den "
            "anderen kommen.",
        ]),
        ("p", "Die Tabelle zeigt für einen 6/49-Tipp mit sechs Glückszahlen, welcher Anteil der Zahlen "
              "im Tipp bei jeder Reglerstellung im Mittel Glückszahlen sind."),
        ("share0", "Sie zählt jede Glückszahl im Tipp, auch die, die allein der Zufall bringt: Selbst "
                   "bei 0 beträgt der Anteil {share0}, denn Ihre sechs Zahlen sind sechs der 49 "
                   "Kugeln."),
        ("table", "Regler", "Glückszahlen im Tipp"),
        ("p", "Bei mehreren Reglerstellungen kommt die zuletzt eingegebene Glückszahl etwas häufiger vor als die anderen, und bei 10 "
              "ist sie die einzige, die hinzukommt: Geben Sie Ihre Lieblingszahl zuletzt ein."),

        ("h", "Einstellungen der eigenen Lotterie"),
        ("p", "Die Schaltfläche Sitte öffnet das Fenster Custom Lottery Settings für eine Lotterie mit "
              "anderen Zahlen als 6/49 oder Super 7. Es enthält drei Werte, von oben nach unten; "
              "ändern Sie jeden mit seinen Pfeilen nach oben und unten, oder tippen Sie ihn in sein "
              "Feld. Zwischen den Pfeilen steht der Wert, den Numora verwendet."),
        ("ul", [
            "**Anzahl der Glückszahlen** (1 bis 8): wie viele Glückszahlen Sie eingeben;",
            "**gezogene Kugeln** (1 bis 8): wie viele Zahlen jeder Tipp hat;",
            "**Kugeln in der Lotterie** (9 bis 80): wie viele Kugeln die Lotterie hat.",
        ]),
        ("p", "Die Beispiele nennen die drei Werte in dieser Reihenfolge:"),
        ("ex", "Example: 649 quick pick=0 6 49"),
        ("ex", "Example:649 with 3 lucky numbers=3 6 49"),
        ("p", "Die Anzahl der Glückszahlen ist mindestens 1: Numora macht aus 0 eine 1 und weist Sie "
              "darauf hin. Um ohne Glückszahlen zu spielen, wie im ersten Beispiel, drücken Sie im "
              "Eingabefenster Quick Pick."),
        ("p", "**Next** prüft die Werte, korrigiert solche außerhalb der Grenzen mit einer Meldung und "
              "öffnet das Eingabefenster mit einer Schaltfläche für jede Kugel. Die Anzahl der "
              "Glückszahlen kann nicht größer sein als die der gezogenen Kugeln; Numora senkt sie, "
              "wenn nötig. Danach geht alles wie bei 6/49. **Cancel** führt zurück zum Hauptfenster. "
              "Nachdem Sie die Tipps einer eigenen Lotterie angezeigt haben, beginnt die Schaltfläche "
              "Sitte eine neue mit 6, 6 und 49."),
        ("p", "Eine eigene Lotterie hält Platz für acht Glückszahlen bereit. Mit weniger Glückszahlen "
              "fließen weniger davon ein, als der Regler anzeigt."),

        ("h", "Über Lotterien"),
        ("p", "In einer Lotterie hat jede Zahlenkombination genau dieselbe Chance, gezogen zu werden. "
              "Kein System, kein Muster und keine Wahl von Glückszahlen ändert die Gewinnchancen, auch "
              "Numora nicht. Der Veranstalter des Spiels behält einen Teil der Einsätze für den "
              "Spielbetrieb ein (und oft für gute Zwecke oder Steuern); im Mittel erhalten die Spieler "
              "also weniger zurück, als sie einsetzen. Numora dient allein der Unterhaltung: Spielen "
              "Sie zum Vergnügen und nur mit Geld, dessen Verlust Sie sich leisten können."),
        ("p", "6/49 heißt, dass sechs Kugeln aus 49 gezogen werden; Super 7, dass sieben Kugeln aus 47 "
              "gezogen werden."),

        ("h", "Gewinnchancen"),
        ("p", "Jedes Eingabefenster hat eine Schaltfläche **Odds**. Sie zeigt die Chancen, die Lotterie "
              "zu gewinnen: für jede gezogene Kugel die Wahrscheinlichkeit, dass sie eine Ihrer Zahlen "
              "ist, das Produkt dieser Wahrscheinlichkeiten und die Chance, alle Zahlen richtig zu "
              "haben, als 1 zu N. Für 6/49 liegt sie bei 1 zu 13.983.816, für Super 7 bei 1 zu "
              "62.891.499."),

        ("h", "Hinweis"),
        ("p", "Numora steht mit keiner Lotterie und keinem Lotterieveranstalter in Verbindung und wird "
              "von keinem empfohlen. Die Namen von Lotterien dienen nur dazu, die Spiele zu "
              "beschreiben."),

        ("end", "Numora ist ein Produkt von Corvane Software."),
    ],
}

GUIDES["it"] = {
    "file": "649HlpGuideItalian.rtf", "langid": 1040, "doctitle": "Guida di Numora",
    "percent": "{whole},{tenth}%",
    "blocks": [
        ("title", "Numora"),
        ("sub", "Per Windows 98/ME/2000/NT4/XP"),
        ("p", "Numora sceglie i numeri per la lotteria 6/49, per il Super 7 e per una lotteria con "
              "regole tue, e mescola nelle schedine i tuoi numeri fortunati personali, tanto o poco "
              "quanto vuoi."),

        ("h", "Come scegliere un numero fortunato"),
        ("p", "Molti giocatori amano puntare su numeri che significano qualcosa per loro: i compleanni "
              "di familiari e amici, il giorno delle nozze o un altro evento speciale, numeri "
              "suggeriti dall'astrologia o dalla numerologia, o semplicemente un'intuizione. Qualsiasi "
              "numero che ti sembri fortunato può entrare nella tua serie di numeri fortunati."),
        ("p", "Ricorda che i giorni del mese arrivano solo a 31. Una serie fatta soltanto di date non "
              "contiene mai i numeri da 32 a 49; e poiché molti altri giocatori scelgono anch'essi "
              "delle date, una vincita con questi numeri ha più probabilità di essere divisa. Numora "
              "estrae il resto di ogni schedina fra tutte le palline della lotteria, così le tue "
              "schedine coprono comunque tutti i numeri."),

        ("h", "Usare Numora"),
        ("p", "La finestra principale ha una fila di pulsanti in alto:"),
        ("ul", [
            "**649** sceglie i numeri per la lotteria 6/49.",
            "**Super 7** sceglie i numeri per il Super 7.",
            "**Costume** crea una lotteria personalizzata (vedi Impostazioni della lotteria "
            "personalizzata).",
            "**About** apre una finestra con la versione e le condizioni d'uso. I suoi pulsanti aprono il contratto "
            "di licenza con l'utente finale (End User Licence Agreement) e il sito web del "
            "produttore; **System Info...** avvia su Windows il programma Informazioni di sistema e "
            "su Linux il programma di informazioni di sistema dell'ambiente desktop: prima quello "
            "dell'ambiente in uso, altrimenti il primo installato fra Impostazioni di GNOME (pagina "
            "«Informazioni»), Centro informazioni di KDE, la finestra «Informazioni» di Xfce, il "
            "Monitor di sistema di MATE e HardInfo. Se non ce n'è nessuno, Numora mostra «System Information Is "
            "Unavailable At This Time».",
            "**Help** apre la finestra di aiuto, sempre con la guida in inglese. Fai clic su una "
            "bandiera sotto la guida per leggerla in inglese, francese, tedesco, italiano o "
            "spagnolo. La bandiera fa passare a quella lingua anche i pulsanti di Numora: quelli "
            "della finestra principale subito, quelli di una finestra delle selezioni aperta in "
            "seguito. Alcune finestre mantengono i testi in inglese.",
        ]),
        ("p", "Fai clic sull'immagine sotto i pulsanti per un breve suggerimento. Chiudendo la "
              "finestra principale, Numora termina."),
        ("pic", "main-window.png", "La finestra principale"),
        ("p", "**Il video di aiuto.** L'immagine della pellicola nella finestra di aiuto avvia il "
              "video di aiuto: mostra Numora all'opera, passo dopo passo, con didascalie in inglese."),
        ("p", "**Inserire i numeri fortunati.** Il pulsante 649 apre una finestra con un pulsante "
              "numerato per ogni pallina, da 1 a 49 (da 1 a 47 per il Super 7). Fai clic sui tuoi "
              "numeri fortunati uno alla volta; compaiono sotto Lucky 649 numbers (nella finestra del Super 7, sotto Lucky S7 numbers). Per il 6/49 "
              "inserisci 6 numeri, per il Super 7 sette. Ogni numero si può inserire una volta sola: "
              "un secondo clic mostra «This number was already entered». **Undo** toglie l'ultimo "
              "numero inserito. Quando la serie è completa, Numora mostra «Entry of Draws done»: fai "
              "clic su Next o su Undo."),
        ("p", "**Il cursore dei numeri fortunati.** Sotto i numeri c'è il cursore che stabilisce "
              "quanto i tuoi numeri fortunati entrano nelle schedine: da 0 a 90 per cento, a passi di "
              "10. All'inizio è su 20. Per spostarlo di un passo, fai clic sulla sua maniglia (o "
              "raggiungilo con il tasto Tab) e premi il tasto freccia sinistra o destra; i tasti Home "
              "e Fine lo portano a 0 e a 90. Puoi anche trascinare la maniglia fino al passo che "
              "vuoi. Un clic sul cursore accanto alla maniglia la sposta di cinque passi (50 per "
              "cento) in una volta verso il clic, o fino in fondo: con i soli clic, quindi, alcune "
              "impostazioni non si raggiungono; da 20, un clic a destra porta a 70. Ogni volta la "
              "riga sopra il cursore mostra la nuova impostazione: un passo a destra da 20 dà "
              "Percent chance of lucky numbers= 30. Vedi più avanti Come funziona il cursore dei "
              "numeri fortunati."),
        ("p", "**Next e Quick Pick.** **Next** si attiva quando la serie è completa; porta i tuoi "
              "numeri fortunati e l'impostazione del cursore alla finestra delle selezioni. **Quick "
              "Pick** ti porta lì subito con una scelta del tutto casuale, senza numeri fortunati, "
              "qualunque cosa tu abbia inserito. Dopo questo passaggio la finestra di inserimento di "
              "quella lotteria non si riapre fino al prossimo avvio di Numora."),
        ("p", "**La finestra delle selezioni.** Scegli quante selezioni (schedine) vuoi: **5**, **10** "
              "o **20**; all'apertura è scelto 5. Poi:"),
        ("ul", [
            "**Indica** (mostra) apre una finestra con le tue selezioni, una schedina per riga. Da "
            "quel momento il numero di selezioni è fissato e la stampa usa le stesse selezioni.",
            "**Stampa** apre, se serve, la finestra con le tue selezioni e chiede «Is the printer "
            "on?» (la stampante è accesa?). Fai clic su OK per stampare le selezioni sulla stampante "
            "predefinita. Numora si chiude a stampa finita; si chiude anche, dopo un avviso, se fai "
            "clic su Cancel («The Printer was not ready, Close Numora») o se non è stato possibile "
            "stampare la pagina. Se non è configurata alcuna stampante, avverte che le combinazioni "
            "non sono state stampate e che puoi conservarle con Salva come PDF o Copia.",
            "**Chiude** (chiudi) termina Numora e ne chiude tutte le finestre: conserva prima le "
            "tue schedine con Salva come PDF o Copia.",
        ]),
        ("p", "**Conservare le schedine.** Un clic destro nella finestra delle tue selezioni apre il "
              "suo menu. **Copia** (Ctrl+C) mette le schedine negli appunti come testo, una per riga, "
              "da incollare dove vuoi. **Salva come PDF...** (Ctrl+S) salva in un file PDF la pagina che "
              "andrebbe alla stampante: Numora propone un nome fatto di lotteria e data, per esempio "
              "numora-649-2026-12-11.pdf per il 6/49, nella cartella Documenti, e chiede conferma "
              "prima di sostituire un file con lo stesso nome. La finestra resta aperta, così puoi "
              "ancora stampare dopo."),
        ("pic", "selections-649.png", "La finestra delle selezioni"),

        ("h", "Come funziona il cursore dei numeri fortunati"),
        ("p", "Il cursore decide quante palline di ogni schedina vengono prese dalla tua serie di "
              "numeri fortunati invece di essere estratte fra tutte le palline della lotteria."),
        ("ul", [
            "A **0** Numora fa una normale giocata casuale: ogni pallina è estratta a caso. Il "
            "pulsante Quick Pick fa lo stesso.",
            "Al valore predefinito, **20**, circa una pallina su cinque viene dai tuoi numeri "
            "fortunati; le altre sono estratte a caso.",
            "Al massimo, **90**, circa nove palline su dieci vengono dai tuoi numeri fortunati; in "
            "pratica un po' meno, perché nessun numero viene estratto due volte nella stessa "
            "schedina: ogni numero fortunato già presente è esaurito, e la pallina successiva deve "
            "venire dagli altri.",
        ]),
        ("p", "La tabella indica, per una schedina del 6/49 con sei numeri fortunati, la quota media "
              "di numeri fortunati nella schedina per ogni posizione del cursore."),
        ("share0", "Conta tutti i numeri fortunati della schedina, anche quelli portati dal solo "
                   "caso: perfino a 0 la quota è del {share0}, perché i tuoi sei numeri sono sei "
                   "delle 49 palline."),
        ("table", "Cursore", "Numeri fortunati nella schedina"),
        ("p", "In diverse posizioni del cursore il numero fortunato inserito per ultimo esce un po' più spesso degli altri, e a 10 è "
              "l'unico che viene aggiunto: inserisci per ultimo il tuo numero preferito."),

        ("h", "Impostazioni della lotteria personalizzata"),
        ("p", "Il pulsante Costume apre la finestra Custom Lottery Settings, per una lotteria con "
              "numeri diversi dal 6/49 o dal Super 7. Contiene tre valori, dall'alto in basso; cambia "
              "ciascuno con le sue frecce su e giù oppure scrivilo nella sua casella. Fra le "
              "frecce compare il valore che Numora userà."),
        ("ul", [
            "**serie di numeri fortunati** (da 1 a 8): quanti numeri fortunati inserirai;",
            "**palline estratte** (da 1 a 8): quanti numeri ha ogni schedina;",
            "**palline della lotteria** (da 9 a 80): quante palline ha la lotteria.",
        ]),
        ("p", "Gli esempi indicano i tre valori in quest'ordine:"),
        ("ex", "Example: 649 quick pick=0 6 49"),
        ("ex", "Example:649 with 3 lucky numbers=3 6 49"),
        ("p", "La serie di numeri fortunati conta almeno 1 numero: Numora trasforma 0 in 1 e te lo "
              "segnala. Per giocare senza numeri fortunati, come nel primo esempio, premi Quick Pick "
              "nella finestra di inserimento."),
        ("p", "**Next** controlla i valori, corregge con un messaggio quelli fuori dai limiti e apre "
              "la finestra di inserimento con un pulsante per ogni pallina. La serie di numeri "
              "fortunati non può superare le palline estratte; se serve, Numora la riduce. Da lì "
              "tutto funziona come per il 6/49. **Cancel** riporta alla finestra principale. Dopo che "
              "hai visto le selezioni di una lotteria personalizzata, il pulsante Costume ne comincia "
              "una nuova da 6, 6 e 49."),
        ("p", "Una lotteria personalizzata tiene posto per otto numeri fortunati. Con una serie più "
              "piccola entrano meno numeri fortunati di quanti ne indichi il cursore."),

        ("h", "A proposito delle lotterie"),
        ("p", "In una lotteria ogni combinazione di numeri ha esattamente la stessa probabilità di "
              "essere estratta. Nessun sistema, schema o scelta di numeri fortunati cambia le "
              "probabilità, nemmeno Numora. Chi gestisce il gioco trattiene una parte delle puntate "
              "per coprirne i costi (e spesso per beneficenza o per lo Stato), quindi in media i "
              "giocatori ricevono meno di quanto spendono. Numora è solo un divertimento: gioca per "
              "svago e solo con denaro che puoi permetterti di perdere."),
        ("p", "6/49 significa che si estraggono sei palline su 49; Super 7, che se ne estraggono sette "
              "su 47."),

        ("h", "Probabilità di vincita"),
        ("p", "Ogni finestra di inserimento ha un pulsante **Odds**. Mostra le probabilità di vincere "
              "la lotteria: per ogni pallina estratta la probabilità che sia uno dei tuoi numeri, il "
              "prodotto di queste probabilità e la probabilità di indovinare tutti i numeri, espressa "
              "come 1 su N. Per il 6/49 è 1 su 13.983.816; per il Super 7, 1 su 62.891.499."),

        ("h", "Nota"),
        ("p", "Numora non è affiliato ad alcuna lotteria o ente gestore di lotterie, né da essi "
              "approvato. I nomi delle lotterie servono solo a descrivere i giochi."),

        ("end", "Numora è un prodotto di Corvane Software."),
    ],
}

GUIDES["es"] = {
    "file": "649HlpGuideSpanish.rtf", "langid": 3082, "doctitle": "Guía del usuario de Numora",
    "percent": "{whole},{tenth}~%",
    "blocks": [
        ("title", "Numora"),
        ("sub", "Para Windows 98/ME/2000/NT4/XP"),
        ("p", "Numora elige números para la lotería 6/49, para Super 7 y para una lotería a su medida, "
              "y mezcla en los boletos sus números de la suerte personales, tanto o tan poco como "
              "usted quiera."),

        ("h", "Cómo elegir un número de la suerte"),
        ("p", "A muchos jugadores les gusta apostar por números que significan algo para ellos: los "
              "cumpleaños de familiares y amigos, el día de la boda u otro acontecimiento especial, "
              "números sacados de la astrología o la numerología, o simplemente una corazonada. "
              "Cualquier número que le parezca de la suerte puede formar parte de su serie de números "
              "de la suerte."),
        ("p", "Recuerde que los días del mes solo llegan al 31. Una serie hecha solo de fechas nunca "
              "contiene los números del 32 al 49; y como muchos otros jugadores también eligen "
              "fechas, un premio ganado con esos números tiene más probabilidades de repartirse. "
              "Numora saca el resto de cada boleto de entre todas las bolas de la lotería, de modo que "
              "sus boletos cubren igualmente todos los números."),

        ("h", "Cómo usar Numora"),
        ("p", "La ventana principal tiene una fila de botones en la parte superior:"),
        ("ul", [
            "**649** elige números para la lotería 6/49.",
            "**Super 7** elige números para Super 7.",
            "**Costumbre** crea una lotería personalizada (vea Ajustes de la lotería "
            "personalizada).",
            "**Sobre** abre una ventana con la versión y las condiciones de uso. Sus botones abren el contrato de "
            "licencia de usuario final (End User Licence Agreement) y el sitio web del fabricante; "
            "**System Info...** inicia en Windows el programa Información del sistema y, en Linux, "
            "el programa de información del sistema del escritorio: primero el del escritorio en "
            "uso y, si no, el primero que esté instalado de Configuración de GNOME (su página "
            "«Acerca de»), el Centro de información de KDE, la ventana «Acerca de» de Xfce, el "
            "Monitor del sistema de MATE y HardInfo. Si no hay ninguno, Numora muestra «System Information Is Unavailable At This "
            "Time».",
            "**Ayudar** abre la ventana de ayuda, siempre con la guía en inglés. Haga clic en una "
            "bandera debajo de la guía para leerla en inglés, francés, alemán, italiano o español. "
            "La bandera también cambia a ese idioma los botones de Numora: los de la ventana "
            "principal en el acto, los de una ventana de selecciones que se abra después. Algunas "
            "ventanas conservan sus textos en inglés.",
        ]),
        ("p", "Haga clic en la imagen debajo de los botones para ver un breve consejo. Al cerrar la "
              "ventana principal, Numora termina."),
        ("pic", "main-window.png", "La ventana principal"),
        ("p", "**El vídeo de ayuda.** La imagen de la película de la ventana de ayuda reproduce el "
              "vídeo de ayuda: muestra Numora en uso, paso a paso, con subtítulos en inglés."),
        ("p", "**Introducir sus números de la suerte.** El botón 649 abre una ventana con un botón "
              "numerado para cada bola, del 1 al 49 (del 1 al 47 en Super 7). Haga clic en sus "
              "números de la suerte uno a uno; aparecen bajo Lucky 649 numbers (en la ventana de Super 7, bajo Lucky S7 numbers). Para 6/49 introduzca "
              "6 números; para Super 7, siete. Cada número solo puede introducirse una vez: un "
              "segundo clic muestra «This number was already entered». **Undo** borra el último "
              "número introducido. Cuando la serie está completa, Numora muestra «Entry of Draws "
              "done»: haga clic en Next o en Undo."),
        ("p", "**El control deslizante de los números de la suerte.** Debajo de los números está el "
              "control deslizante que fija cuánto entran sus números de la suerte en los boletos: de "
              "0 a 90 por ciento, de 10 en 10. Empieza en 20. Para moverlo un paso, haga clic en su "
              "cursor (o llegue a él con la tecla Tab) y pulse la tecla de flecha izquierda o "
              "derecha; las teclas Inicio y Fin lo llevan a 0 y a 90. También puede arrastrar el "
              "cursor hasta el paso que desee. Un clic en la barra, al lado del cursor, lo mueve "
              "cinco pasos (50 por ciento) de una vez hacia el clic, o hasta el extremo: solo con "
              "clics, por tanto, algunos ajustes no se alcanzan; desde 20, un clic a la derecha da "
              "70. Cada vez, la línea de arriba muestra el nuevo ajuste: un paso a la derecha desde "
              "20 da Percent chance of lucky numbers= 30. Vea más abajo Cómo funciona el control "
              "deslizante."),
        ("p", "**Next y Quick Pick.** **Next** se activa cuando la serie está completa; lleva sus "
              "números de la suerte y el ajuste del control deslizante a la ventana de selecciones. "
              "**Quick Pick** va allí directamente con una elección totalmente al azar, sin números "
              "de la suerte, haya introducido lo que haya introducido. Después, la ventana de entrada "
              "de esa lotería no vuelve a abrirse hasta que inicie Numora de nuevo."),
        ("p", "**La ventana de selecciones.** Elija cuántas selecciones (boletos) desea: **Cinco**, "
              "**Diez** o **Veinte**; al abrirse está elegida Cinco. Después:"),
        ("ul", [
            "**Exposición** (mostrar) abre una ventana con sus selecciones, un boleto por línea. A "
            "partir de ahí el número de selecciones queda fijado y la impresión usa las mismas "
            "selecciones.",
            "**Tirar** (imprimir) abre, si hace falta, la ventana con sus selecciones y pregunta «Is "
            "the printer on?» (¿está encendida la impresora?). Haga clic en OK para imprimir las "
            "selecciones en la impresora predeterminada. Numora se cierra al terminar la impresión; "
            "también se cierra, tras avisarle, si hace clic en Cancel («The Printer was not ready, "
            "Close Numora») o si la página no se ha podido imprimir. Si no hay ninguna impresora "
            "configurada, le indica que sus combinaciones no se han impreso y que puede "
            "conservarlas con Guardar como PDF o Copiar.",
            "**Cerrar** termina Numora y cierra todas sus ventanas: conserve antes sus boletos con "
            "Guardar como PDF o Copiar.",
        ]),
        ("p", "**Conservar sus boletos.** Un clic derecho en la ventana de sus selecciones abre su "
              "menú. **Copiar** (Ctrl+C) pone los boletos en el portapapeles como texto, un boleto "
              "por línea, para pegarlos donde quiera. **Guardar como PDF...** (Ctrl+S) guarda en un "
              "archivo PDF la página que recibiría la impresora: Numora propone un nombre formado por "
              "la lotería y la fecha, por ejemplo numora-649-2026-12-11.pdf para 6/49, en su carpeta "
              "Documentos, y pregunta antes de sustituir un archivo con el mismo nombre. La ventana "
              "sigue abierta, así que aún puede imprimir después."),
        ("pic", "selections-649.png", "La ventana de selecciones"),

        ("h", "Cómo funciona el control deslizante"),
        ("p", "El control deslizante decide cuántas bolas de cada boleto se toman de su serie de "
              "números de la suerte en lugar de sacarse de entre todas las bolas de la lotería."),
        ("ul", [
            "En **0** Numora juega una selección rápida normal: cada bola se saca al azar. El botón "
            "Quick Pick hace lo mismo.",
            "En el valor predeterminado, **20**, aproximadamente una de cada cinco bolas procede de "
            "sus números de la suerte; las demás se sacan al azar.",
            "En el máximo, **90**, unas nueve de cada diez bolas proceden de sus números de la "
            "suerte; en la práctica algo menos, porque ningún número sale dos veces en un mismo "
            "boleto: cada número de la suerte que ya está en el boleto queda agotado, y la bola "
            "siguiente tiene que salir de los demás.",
        ]),
        ("p", "La tabla muestra, para un boleto de 6/49 con seis números de la suerte, la proporción "
              "media de números de la suerte en el boleto en cada posición del control deslizante."),
        ("share0", "Cuenta todos los números de la suerte del boleto, también los que trae el puro "
                   "azar: incluso en 0 la proporción es del {share0}, porque sus seis números son "
                   "seis de las 49 bolas."),
        ("table", "Posición", "Números de la suerte en el boleto"),
        ("p", "En varias posiciones del control deslizante, el número de la suerte que introduce en último lugar sale algo más a menudo que los "
              "demás, y en 10 es el único que se añade: introduzca su número favorito el último."),

        ("h", "Ajustes de la lotería personalizada"),
        ("p", "El botón Costumbre abre la ventana Custom Lottery Settings, para una lotería con números "
              "distintos de 6/49 o Super 7. Tiene tres valores, de arriba abajo; cambie cada uno con "
              "sus flechas arriba y abajo o escríbalo en su casilla. Entre las flechas "
              "aparece el valor que Numora usará."),
        ("ul", [
            "**tamaño de la serie de números de la suerte** (de 1 a 8): cuántos números de la suerte "
            "introducirá;",
            "**bolas extraídas** (de 1 a 8): cuántos números tiene cada boleto;",
            "**bolas de la lotería** (de 9 a 80): cuántas bolas tiene la lotería.",
        ]),
        ("p", "Los ejemplos dan los tres valores en este orden:"),
        ("ex", "Example: 649 quick pick=0 6 49"),
        ("ex", "Example:649 with 3 lucky numbers=3 6 49"),
        ("p", "La serie de números de la suerte tiene al menos 1 número: Numora convierte 0 en 1 y se "
              "lo indica. Para jugar sin números de la suerte, como en el primer ejemplo, pulse Quick "
              "Pick en la ventana de entrada."),
        ("p", "**Next** comprueba los valores, corrige con un mensaje los que están fuera de los "
              "límites y abre la ventana de entrada con un botón para cada bola. La serie de números "
              "de la suerte no puede ser mayor que las bolas extraídas; Numora la reduce si hace "
              "falta. A partir de ahí todo funciona como en 6/49. **Cancel** vuelve a la ventana "
              "principal. Después de mostrar las selecciones de una lotería personalizada, el botón "
              "Costumbre empieza una nueva con 6, 6 y 49."),
        ("p", "Una lotería personalizada reserva sitio para ocho números de la suerte. Con una serie "
              "más pequeña entran menos números de la suerte de los que indica el control "
              "deslizante."),

        ("h", "Sobre las loterías"),
        ("p", "En una lotería, todas las combinaciones de números tienen exactamente la misma "
              "probabilidad de salir. Ningún sistema, patrón o elección de números de la suerte "
              "cambia las probabilidades, tampoco Numora. El operador del juego se queda con una "
              "parte de lo apostado para cubrir sus costes (y a menudo para causas benéficas o para "
              "el Estado), así que, por término medio, los jugadores recuperan menos de lo que "
              "apuestan. Numora es solo un entretenimiento: juegue por diversión y solo con dinero "
              "que pueda permitirse perder."),
        ("p", "6/49 significa que se extraen seis bolas de 49; Super 7, que se extraen siete de 47."),

        ("h", "Probabilidades"),
        ("p", "Cada ventana de entrada tiene un botón **Odds**. Muestra las probabilidades de ganar la "
              "lotería: para cada bola extraída, la probabilidad de que sea uno de sus números, el "
              "producto de estas probabilidades y la probabilidad de acertar todos los números, "
              "expresada como 1 entre N. Para 6/49 es de 1 entre 13.983.816; para Super 7, de 1 entre "
              "62.891.499."),

        ("h", "Nota"),
        ("p", "Numora no está afiliado a ninguna lotería ni a ningún operador de loterías, ni cuenta "
              "con su respaldo. Los nombres de las loterías se usan solo para describir los juegos."),

        ("end", "Numora es un producto de Corvane Software."),
    ],
}


# ---------------------------------------------------------------------------
# The end-user licence agreement (English only).

AGREEMENT = {
    "file": "NumoraUela.rtf", "langid": 1033,
    "title": "Numora End User Licence Agreement",
    "intro": "Please read this agreement before you use Numora. By installing or using Numora you "
             "accept its terms. If you do not accept them, do not use Numora and remove it from "
             "your computer.",
    "sections": [
        ("1. The program and the licensee",
         "Numora is made by Corvane Software (\u201cwe\u201d). This agreement is made between "
         "Corvane Software and the person who obtained this copy of Numora, by purchase or "
         "otherwise (\u201cyou\u201d, the purchaser), who is the licensee. Numora is licensed "
         "to you for your personal amusement only; it is not sold to you."),
        ("2. Licence",
         "We grant you a non-exclusive, non-transferable licence to install and use Numora on your "
         "own computers. Numora remains the property of Corvane Software, and this agreement gives "
         "you no other rights to it. You may not sell, rent, lease or pass on Numora, nor remove "
         "its copyright or licence notices."),
        ("3. For amusement only",
         "Numora picks numbers at random and mixes in the lucky numbers you choose. It does not "
         "predict lottery results and does not improve your chance of winning. Selections made "
         "with Numora are not guaranteed to win any prize, and no advantage is implied. The "
         "author, Corvane Software, does not endorse lotteries or gambling."),
        ("4. Your selections",
         "The selections Numora makes are for your own play only. You may not publish or "
         "redistribute them, in whole or in part, whether for payment or free of charge, nor "
         "offer them to others as part of any service."),
        ("5. Your responsibility",
         "It is your own responsibility to obey the law of the place where you live or play, "
         "including any minimum age and any rules on lotteries and gambling. Play responsibly and "
         "only with money you can afford to lose. Always check your tickets against the official "
         "results of the lottery."),
        ("6. No warranty",
         "Numora is provided \u201cas is\u201d, without warranty of any kind, express or implied, "
         "including any warranty of merchantability, of fitness for a particular purpose or of "
         "non-infringement. We do not warrant that Numora is free of errors or that it will run "
         "without interruption. You use it at your own risk."),
        ("7. Limitation of liability",
         "As far as the law allows, Corvane Software is not liable for any loss or damage that "
         "arises from using Numora or from being unable to use it, including stakes lost, prizes "
         "not won, lost data or damage to your computer, even if we were told that such loss "
         "could happen."),
        ("8. Termination",
         "This licence ends at once if you break any of its terms. You must then stop using Numora "
         "and remove it from your computer."),
        ("9. General",
         "This agreement is the whole agreement between you and Corvane Software about Numora. If "
         "any part of it cannot be enforced, the rest stays in force. Nothing in it limits rights "
         "that the law of your country gives you as a consumer and that no agreement can take "
         "away."),
    ],
    "end": "Corvane Software \u2014 Numora 1.6",
}


# ---------------------------------------------------------------------------

def check_same_structure():
    """All guides must carry the same blocks in the same order as the English one."""
    def shape(blocks):
        out = []
        for block in blocks:
            kind = block[0]
            if kind == "ul":
                out.append(("ul", len(block[1])))
            elif kind in ("pic", "ex"):
                out.append(block[:2])
            else:
                out.append((kind,))
        return out

    reference = shape(GUIDES["en"]["blocks"])
    for lang, guide in GUIDES.items():
        if shape(guide["blocks"]) != reference:
            raise ValueError("the %s guide's blocks differ from the English guide's" % lang)


def build_guide(lang, pictures, shares):
    guide = GUIDES[lang]

    def percent(share):
        tenths = tenths_of_percent(share)
        return prose(guide["percent"].format(whole=tenths // 10, tenth=tenths % 10), lang)

    # The share0 sentence joins the paragraph before it, when it applies.
    blocks = []
    for block in guide["blocks"]:
        if block[0] != "share0":
            blocks.append(block)
        elif shares["0"] > 0:
            if blocks[-1][0] != "p":
                raise ValueError("a share0 block must follow a paragraph")
            sentence = block[1].replace("{share0}", percent(shares["0"]))
            blocks[-1] = ("p", blocks[-1][1] + " " + sentence)

    doc = Rtf(prose(guide["doctitle"], lang), guide["langid"])
    for block in blocks:
        kind = block[0]
        if kind == "title":
            doc.title(block[1])
        elif kind == "sub":
            doc.subtitle(block[1])
        elif kind == "h":
            doc.heading(prose(block[1], lang))
        elif kind == "p":
            doc.body(prose(block[1], lang))
        elif kind == "ul":
            doc.bullets([prose(item, lang) for item in block[1]])
        elif kind == "ex":
            doc.example(block[1])
        elif kind == "pic":
            doc.picture(pictures[block[1]], prose(block[2], lang))
        elif kind == "table":
            rows = [[prose(block[1], lang), prose(block[2], lang)]]
            rows += [[key, percent(shares[key])] for key in SLIDER_STEPS]
            doc.table(rows, [1300, 3700])
        elif kind == "end":
            doc.closing(prose(block[1], lang))
        else:
            raise ValueError("unknown block " + kind)
    return doc.data()


def build_agreement():
    doc = Rtf(AGREEMENT["title"], AGREEMENT["langid"])
    doc.title("Numora")
    doc.para("\\qc\\sa240", rtf_text(AGREEMENT["title"]), size=26, colour=2, extra="\\b")
    doc.body(prose(AGREEMENT["intro"], "en"))
    for heading, text in AGREEMENT["sections"]:
        doc.para("\\keepn\\sb160\\sa60", rtf_text(heading), size=20, colour=2, extra="\\b")
        doc.body(prose(text, "en"))
    doc.closing(AGREEMENT["end"])
    return doc.data()


def main():
    parser = argparse.ArgumentParser(description="Write Numora's RTF documents.")
    parser.add_argument("--out", type=Path, default=HERE, help="output folder (default: %(default)s)")
    args = parser.parse_args()

    check_same_structure()
    shares = load_shares()
    outputs = {}
    for lang in GUIDES:
        pictures = {name: load_picture(lang, name) for name in PICTURES}
        outputs[GUIDES[lang]["file"]] = build_guide(lang, pictures, shares)
    outputs[AGREEMENT["file"]] = build_agreement()

    args.out.mkdir(parents=True, exist_ok=True)
    for name, data in outputs.items():
        (args.out / name).write_bytes(data)
        print("wrote %s (%d bytes)" % (args.out / name, len(data)))


if __name__ == "__main__":
    main()
