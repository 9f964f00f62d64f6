"""Reads a register workbook back with openpyxl and prints what a reader finds in it, one fact a
line, for the export test to look through:

    cell A1 s 'Date' bold FF0000
    freeze A2
    setup landscape fit 1x1 paper 1
    ...
"""
import sys

import openpyxl
from openpyxl.utils import get_column_letter


def colour(font):
    if font is None or font.color is None or font.color.rgb is None:
        return "-"
    rgb = font.color.rgb
    return rgb[-6:] if isinstance(rgb, str) else "-"


def main(path):
    book = openpyxl.load_workbook(path)
    sheet = book.active
    for row in sheet.iter_rows():
        for cell in row:
            if cell.value is None and not cell.font.b and colour(cell.font) == "-":
                continue
            if cell.value is None:
                kind, value, fmt = "blank", "", ""
            elif isinstance(cell.value, (int, float)):
                kind, value, fmt = "n", f" {float(cell.value)!r}", " " + cell.number_format
            else:
                kind, value, fmt = "s", f" {cell.value!r}", ""
            print(f"cell {cell.coordinate} {kind}{value}{fmt}"
                  f"{' bold' if cell.font.b else ''} {colour(cell.font)}")
    print(f"freeze {sheet.freeze_panes}")
    setup = sheet.page_setup
    fit = sheet.sheet_properties.pageSetUpPr
    # An absent fitToWidth or fitToHeight means 1 page.
    width = 1 if setup.fitToWidth is None else setup.fitToWidth
    height = 1 if setup.fitToHeight is None else setup.fitToHeight
    print(f"setup {setup.orientation} fit {width}x{height}"
          f" fitToPage {fit.fitToPage if fit is not None else None} paper {setup.paperSize}")
    m = sheet.page_margins
    print(f"margins {m.left} {m.right} {m.top} {m.bottom} {m.header} {m.footer}")
    options = sheet.print_options
    print(f"centred {bool(options.horizontalCentered)} {bool(options.verticalCentered)}")
    print(f"comment {book.properties.description}")
    for index in range(1, sheet.max_column + 1):
        letter = get_column_letter(index)
        print(f"width {letter} {sheet.column_dimensions[letter].width}")
    print(f"rows {sheet.max_row}")


if __name__ == "__main__":
    main(sys.argv[1])
