#!/usr/bin/env python3
"""Writes the seed corpus of every fuzz target into fuzz/corpus/<target>/ (run again after a change)."""
import os

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus")
CRLF = "\r\n"

LAYOUT_ENJA = CRLF.join([
    "en", "0\tBlue Sky\tSora Trio", "1\tMorning", "3\tRain", "4\tNight", "",
    "ja", "0\tＢｌｕｅ　Ｓｋｙ\tＳｏｒａ　Ｔｒｉｏ", "1\tＭｏｒｎｉｎｇ", "3\tＲａｉｎ", "4\tＮｉｇｈｔ", ""])
LAYOUT_EN = CRLF.join(["en", "0\tSky\tTom", "1\tMorning", "2\tRain", ""])
LAYOUT_JA = CRLF.join(["ja", "0\tあいうえお\t歌手", "1\tａｂｃ", "2\tＴｏｍ’ｓ　Ｂａｎｄ", ""])
LAYOUT_WIDE_TAG = CRLF.join(["ｅｎ", "0\tAlbum1\tArtist", "1\tOne", "2\tTwo", ""])
LAYOUT_DIGIT_ALBUM = CRLF.join(["en", "0\tVol 4\tX", "1\tA", "2\tB", "3\tC", ""])
LAYOUT_GAP = CRLF.join(["en", "0\tA\tB", "1\tx", "3\tRain", "100\tHundred", "", "ja", "0\tＡ\tＢ", ""])
LAYOUT_ENDS_JA = CRLF.join(["en", "0\tA\tB", "1\tNinja", "2\tja", "", "ja", "0\tＡ\tＢ", "1\tＮｉｎｊａ", ""])
TITLES_JP = "朝の歌" + CRLF + "ﾊﾟﾝﾀﾞのｳﾞｫｰｶﾙ" + CRLF + "　夜想曲　" + CRLF
MANY = CRLF.join(f"Title {i}" for i in range(1, 120)) + CRLF


def write(target, name, data):
    folder = os.path.join(ROOT, target)
    os.makedirs(folder, exist_ok=True)
    if isinstance(data, str):
        data = data.encode("utf-8")
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def sjis(text):
    return text.encode("cp932")


# Files as users have them: cp932 and UTF-8, with and without a final line end, lone CR and LF.
write("fuzz_textfile", "layout_enja_cp932", sjis(LAYOUT_ENJA))
write("fuzz_textfile", "layout_enja_utf8", LAYOUT_ENJA)
write("fuzz_textfile", "layout_ja_utf8_bom", b"\xef\xbb\xbf" + LAYOUT_JA.encode("utf-8"))
write("fuzz_textfile", "titles_cp932_no_final_break", sjis("朝の歌" + CRLF + "夜想曲"))
write("fuzz_textfile", "titles_utf8_lone_lf", "Morning\nRain\nNight\n")
write("fuzz_textfile", "titles_cp932_lone_cr", sjis("朝\r昼\r夜"))
write("fuzz_textfile", "mixed_breaks", b"x\r\ny\rz\nw")
write("fuzz_textfile", "disc_line_three_fields", b"0\tA\tB\tC\r\nTitle\r\n")
write("fuzz_textfile", "disc_line_middle", b"One\r\n0\tAlbum\tArtist\r\nTwo")
write("fuzz_textfile", "invalid_utf8_is_cp932", b"\x82\xa0\x82\xa2\x93\xfa\x96\x7b\r\n")
write("fuzz_textfile", "utf16be_bom_odd_byte", b"\xfe\xff\x68")
write("fuzz_textfile", "utf16_second_bom", b"\xfe\xff\xfe\xff")
write("fuzz_textfile", "cp932_ext_chars", sjis("①Ⅰ㈱～－∥￢") + b"\r\n")
write("fuzz_textfile", "empty", b"")

for name, text in [("layout_enja", LAYOUT_ENJA), ("layout_en", LAYOUT_EN), ("layout_ja", LAYOUT_JA),
                   ("wide_tag", LAYOUT_WIDE_TAG), ("digit_album", LAYOUT_DIGIT_ALBUM),
                   ("gap_and_hundred", LAYOUT_GAP), ("title_ends_in_ja", LAYOUT_ENDS_JA),
                   ("plain_titles", "Morning" + CRLF + "Rain"), ("plain_jp", TITLES_JP)]:
    write("fuzz_editmarks", name, text)

# Edit type byte (0 en, 1 ja, 2 en + ja), then album NUL artist NUL titles.
def layout_input(kind, album, artist, titles):
    return bytes([kind]) + "\0".join([album, artist, titles]).encode("utf-8")

write("fuzz_layout", "worked_example_enja", layout_input(2, "Blue Sky", "Sora Trio", "Morning\r\n\r\nRain\r\nNight"))
write("fuzz_layout", "en_gap", layout_input(0, "A", "B", "A\r\n\r\nB"))
write("fuzz_layout", "ja_quotes", layout_input(1, "abc", "Tom's Band", 'Say "hi"\r\nback\\slash\r\n'))
write("fuzz_layout", "blank_title", layout_input(0, " Album ", "Artist", "   \r\nX"))
write("fuzz_layout", "album_break", layout_input(2, "Blue\r\nSky", "　Trio　", TITLES_JP))
write("fuzz_layout", "many_titles", layout_input(2, "Album 1", "Artist", MANY))
write("fuzz_layout", "lone_cr_lf", layout_input(1, "A", "B", "x\ry\nz\r\n"))

for name, text in [("halfwidth", "ABC xyz 012 !\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~"),
                   ("kana", "ｱｲｳｴｵｶﾞｷﾞﾊﾟﾋﾟｳﾞﾜﾞ｡｢｣､･ｰﾞﾟ"),
                   ("fullwidth", "ＡＢＣ　ｘｙｚ　０１２！＂＃＄％＆＇（）￥’”"),
                   ("voiced", "ガギグゲゴパピプペポヴカ゛ヷ")]:
    write("fuzz_width", name, text.encode("utf-16-le"))

# Mode byte: bit 0 variable numbering, the rest the counter; then separator NUL titles.
def tools_input(mode_byte, separator, titles):
    return bytes([mode_byte]) + (separator + "\0" + titles).encode("utf-8")

write("fuzz_tracknumbers", "attach_fixed", tools_input(0, "-", "A\r\nB"))
write("fuzz_tracknumbers", "twelve_variable", tools_input(1 | (2 << 1), ".", CRLF.join(f"T{i}" for i in range(1, 13))))
write("fuzz_tracknumbers", "blank_lines", tools_input(3 << 1, " ", "A\r\n\r\n  \r\nB"))
write("fuzz_tracknumbers", "numbered", tools_input(3 << 1, "-", "  01-A  \r\n01- A\r\nAB"))
write("fuzz_tracknumbers", "hundred", tools_input(1, "_", MANY))
write("fuzz_tracknumbers", "typed_separator", tools_input(0, " - ", "朝\r\n　夜　"))

write("fuzz_sort", "cab", b"\x01" + b"C\r\nA\r\nB\r\n")
write("fuzz_sort", "no_final_break", b"\x01" + b"B\r\nA")
write("fuzz_sort", "blank_middle", b"\x00" + b"B\r\n\r\nA\r\n")
write("fuzz_sort", "case", b"\x01" + b"apple\r\nBanana\r\nAPPLE\r\n")
write("fuzz_sort", "numbers", b"\x01" + b"1\r\n2\r\n10\r\n")
write("fuzz_sort", "japanese", b"\x00" + TITLES_JP.encode("utf-8"))
write("fuzz_sort", "layout", b"\x01" + LAYOUT_ENJA.encode("utf-8"))

# CD-TEXT export: layouts as the title box holds them after "編集", near every limit.
def numbered(count, text):
    return "".join(f"{t}\t{text}{t}\r\n" for t in range(1, count + 1))

for name, text in [("enja", LAYOUT_ENJA), ("en", LAYOUT_EN), ("ja", LAYOUT_JA),
                   ("gaps", CRLF.join(["en", "0\tA\tB", "2\tRain", "5\tSnow", ""])),
                   ("ja_gaps", CRLF.join(["ja", "0\t青い空\t空トリオ", "1\t朝の歌", "3\tガイド・ブック", ""])),
                   ("latin1", CRLF.join(["en", "0\tCafé\tBjörk", "1\tÀ bientôt", ""])),
                   ("halfwidth_kana_in_en", CRLF.join(["en", "0\tA\tB", "1\tｶﾞｲﾄﾞ", ""])),
                   ("cp932_only_in_ja", CRLF.join(["ja", "0\t①～∥\t－￢", "1\t髙﨑", ""])),
                   ("tracks_99", "en\r\n0\t" + "a" * 59 + "\tB\r\n" + numbered(99, "x" * 24)),
                   ("tracks_100", "en\r\n0\tA\tB\r\n" + numbered(100, "T")),
                   ("long_album", "en\r\n0\t" + "a" * 40 + "\tB\r\n1\tT\r\n"),
                   ("long_title", "en\r\n0\tSky\tTom\r\n1\t" + "r" * 253 + "\r\n3\tRain\r\n"),
                   ("longest_ja", "ja\r\n0\tＡ\t" + "あ" * 126 + "\r\n1\t" + "い" * 126 + "\r\n")]:
    write("fuzz_cdtext", name, text)

# Cue sheets as the image writer, other programs and hand editing leave them.
write("fuzz_cuesheet", "image", 'CDTEXTFILE "a.cdt"\nFILE "a.bin" BINARY\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n'
      '  TRACK 02 AUDIO\n    INDEX 00 03:10:00\n    INDEX 01 03:12:00\n')
write("fuzz_cuesheet", "wav_per_track", 'TITLE "Sky"\nPERFORMER "Tom"\nFILE "01.wav" WAVE\n TRACK 01 AUDIO\n'
      '  TITLE "Morning"\n  INDEX 01 00:00:00\nFILE "02 rain.flac" WAVE\n TRACK 02 AUDIO\n  INDEX 00 00:00:00\n'
      '  INDEX 01 00:02:00\n')
write("fuzz_cuesheet", "cp932_titles", sjis('TITLE "朝の歌"\r\nFILE "あ.wav" WAVE\r\n TRACK 01 AUDIO\r\n'
      '  INDEX 01 00:00:00\r\n'))
write("fuzz_cuesheet", "data_track", 'FILE "d.bin" BINARY\n TRACK 01 MODE1/2352\n  INDEX 01 00:00:00\n')

