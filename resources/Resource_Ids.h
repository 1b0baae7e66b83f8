// Resource identifiers shared by the resource script and the code.
#pragma once

#define IDI_HALVORN 1
#define IDB_CONNECTOR 100
#define IDB_GLYPH_COPY 200
#define IDB_GLYPH_SEARCH 201
#define IDB_GLYPH_GLOSSARY 202
#define IDB_GLYPH_EXIT 203
#define IDB_GLYPH_PREVIOUS 204
#define IDB_GLYPH_NEXT 205
#define IDB_GLYPH_NAME 206
#define IDB_GLYPH_OK 207
#define IDB_GLYPH_CANCEL 208
// The glyphs drawn again for larger screens: the id of the 16-pixel drawing plus the offset
// of the side.
#define IDB_GLYPH_20 1000
#define IDB_GLYPH_24 2000
#define IDB_GLYPH_32 3000
#define IDR_TANDREL_LOGO 300
#define IDR_TANDREL_BANNER 301
