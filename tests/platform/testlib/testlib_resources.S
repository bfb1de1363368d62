/* The test module's resources as a compiled resource file (.res), written
 * out byte by byte. On ELF systems the bytes travel as the allocated note
 * the portable loader looks for; for Windows the build extracts them into a
 * .res file for the resource compiler. The pictures are described next to
 * their data; tests/platform/resource_loading_test.cpp checks them. */

#define RT_BITMAP 2
#define RT_ICON 3
#define RT_GROUP_ICON 14
#define CHINESE_PRC 0x0804
#define ENGLISH_US 0x0409

/* One entry: DataSize, HeaderSize, type, name, then the fixed tail. */
.macro RES_BEGIN label, type
    .balign 4
\label\()_entry:
    .long \label\()_end - \label\()_data
    .long \label\()_data - \label\()_entry
    .short 0xFFFF, \type
.endm
.macro RES_NAME text
    .string16 "\text"
.endm
.macro RES_ID id
    .short 0xFFFF, \id
.endm
.macro RES_DATA label, lang
    .balign 4
    .long 0                 /* DataVersion */
    .short 0x1030           /* MemoryFlags */
    .short \lang            /* LanguageId */
    .long 0, 0              /* Version, Characteristics */
\label\()_data:
.endm
.macro RES_END label
\label\()_end:
.endm

/* BITMAPINFOHEADER: width, height, bits per pixel, colour table entries. */
.macro DIB_HEADER width, height, bpp, colors
    .long 40, \width, \height
    .short 1, \bpp
    .long 0, 0, 0, 0, \colors, 0
.endm

/* One group directory entry: width, height, bits per pixel, image id. */
.macro GROUP_ENTRY width, height, bpp, id
    .byte \width, \height, 0, 0
    .short 1, \bpp
    .long 0
    .short \id
.endm

#if defined(__ELF__)
    .section .note.winrsrc,"a",@note
    .balign 4
    .long 8                         /* owner "WinRsrc" with its zero */
    .long res_end - res_start
    .long 0x52535243
    .asciz "WinRsrc"
    .balign 4
#else
    .data
    .balign 4
#endif
res_start:

/* The empty entry every .res file starts with. */
    .long 0, 32
    .short 0xFFFF, 0, 0xFFFF, 0
    .long 0
    .short 0, 0
    .long 0, 0

/* RGB24: 3 x 2, 24 bits. Top row red, green, blue; bottom row white, black,
 * RGB(10,20,30). Rows bottom-up, 9 bytes padded to 12. */
    RES_BEGIN rgb24, RT_BITMAP
    RES_NAME "RGB24"
    RES_DATA rgb24, CHINESE_PRC
    DIB_HEADER 3, 2, 24, 0
    .byte 0xFF,0xFF,0xFF, 0x00,0x00,0x00, 0x1E,0x14,0x0A, 0,0,0
    .byte 0x00,0x00,0xFF, 0x00,0xFF,0x00, 0xFF,0x00,0x00, 0,0,0
    RES_END rgb24

/* PAL8: 2 x 2, 8 bits, three table entries RGB(1,2,3), RGB(200,100,50),
 * RGB(7,8,9). Top row indices 1, 2; bottom row 0 and 5, which lies beyond
 * the table and so is black. */
    RES_BEGIN pal8, RT_BITMAP
    RES_NAME "PAL8"
    RES_DATA pal8, CHINESE_PRC
    DIB_HEADER 2, 2, 8, 3
    .byte 3,2,1,0, 50,100,200,0, 9,8,7,0
    .byte 0,5,0,0
    .byte 1,2,0,0
    RES_END pal8

/* PAL4: 3 x 1, 4 bits, full 16-entry table where entry i is RGB(i,2i,3i);
 * pixels 1, 15, 8. */
    RES_BEGIN pal4, RT_BITMAP
    RES_NAME "PAL4"
    RES_DATA pal4, CHINESE_PRC
    DIB_HEADER 3, 1, 4, 0
    .set i, 0
    .rept 16
    .byte 3*i, 2*i, i, 0
    .set i, i+1
    .endr
    .byte 0x1F, 0x80, 0, 0
    RES_END pal4

/* MONO: 10 x 2, 1 bit, table black then white: kept as a monochrome bitmap.
 * Top row 1010101010, bottom row 1111100000. */
    RES_BEGIN mono, RT_BITMAP
    RES_NAME "MONO"
    RES_DATA mono, CHINESE_PRC
    DIB_HEADER 10, 2, 1, 2
    .byte 0,0,0,0, 0xFF,0xFF,0xFF,0
    .byte 0xF8,0x00,0,0
    .byte 0xAA,0x80,0,0
    RES_END mono

/* BLUEWHITE: 2 x 1, 1 bit, table blue then white: a colour bitmap. Pixels 0, 1. */
    RES_BEGIN bluewhite, RT_BITMAP
    RES_NAME "BLUEWHITE"
    RES_DATA bluewhite, CHINESE_PRC
    DIB_HEADER 2, 1, 1, 2
    .byte 0xFF,0,0,0, 0xFF,0xFF,0xFF,0
    .byte 0x40,0,0,0
    RES_END bluewhite

/* TOPDOWN: 2 x 2, 24 bits, negative height: stored top row first.
 * Top row RGB(1,1,1), RGB(2,2,2); bottom row RGB(3,3,3), RGB(4,4,4). */
    RES_BEGIN topdown, RT_BITMAP
    RES_NAME "TOPDOWN"
    RES_DATA topdown, CHINESE_PRC
    DIB_HEADER 2, -2, 24, 0
    .byte 1,1,1, 2,2,2, 0,0
    .byte 3,3,3, 4,4,4, 0,0
    RES_END topdown

/* TRUNCATED: claims 4 x 4 at 24 bits but brings one row. */
    RES_BEGIN truncated, RT_BITMAP
    RES_NAME "TRUNCATED"
    RES_DATA truncated, CHINESE_PRC
    DIB_HEADER 4, 4, 24, 0
    .fill 12, 1, 0x55
    RES_END truncated

/* Bitmap number 7: 1 x 1, RGB(9,8,7). */
    RES_BEGIN ord7, RT_BITMAP
    RES_ID 7
    RES_DATA ord7, CHINESE_PRC
    DIB_HEADER 1, 1, 24, 0
    .byte 7,8,9,0
    RES_END ord7

/* LANGS in two languages: English RGB(1,0,0), Chinese RGB(2,0,0). */
    RES_BEGIN langs_en, RT_BITMAP
    RES_NAME "LANGS"
    RES_DATA langs_en, ENGLISH_US
    DIB_HEADER 1, 1, 24, 0
    .byte 0,0,1,0
    RES_END langs_en
    RES_BEGIN langs_zh, RT_BITMAP
    RES_NAME "LANGS"
    RES_DATA langs_zh, CHINESE_PRC
    DIB_HEADER 1, 1, 24, 0
    .byte 0,0,2,0
    RES_END langs_zh

/* MULTI: 16 x 16 at 4 bits (image 1), 32 x 32 at 8 bits (image 2), 48 x 48
 * at 8 bits (image 3); a 32 x 32 icon takes image 2, the only one present. */
    RES_BEGIN multi, RT_GROUP_ICON
    RES_NAME "MULTI"
    RES_DATA multi, CHINESE_PRC
    .short 0, 1, 3
    GROUP_ENTRY 16, 16, 4, 1
    GROUP_ENTRY 32, 32, 8, 2
    GROUP_ENTRY 48, 48, 8, 3
    RES_END multi

/* Image 2: 32 x 32, 8 bits, table red then blue. Left half red, right half
 * blue; the AND mask makes the bottom-right quarter transparent. */
    RES_BEGIN icon2, RT_ICON
    RES_ID 2
    RES_DATA icon2, CHINESE_PRC
    DIB_HEADER 32, 64, 8, 2
    .byte 0,0,0xFF,0, 0xFF,0,0,0
    .rept 32
    .fill 16, 1, 0
    .fill 16, 1, 1
    .endr
    .rept 16
    .byte 0,0,0xFF,0xFF
    .endr
    .rept 16
    .byte 0,0,0,0
    .endr
    RES_END icon2

/* SMALL: one 16 x 16 image at 24 bits (image 4), grown to 32 x 32. Pixel
 * (x, y) is RGB(16x, 16y, 0x80); only (0, 0) is transparent. */
    RES_BEGIN small, RT_GROUP_ICON
    RES_NAME "SMALL"
    RES_DATA small, CHINESE_PRC
    .short 0, 1, 1
    GROUP_ENTRY 16, 16, 24, 4
    RES_END small

    RES_BEGIN icon4, RT_ICON
    RES_ID 4
    RES_DATA icon4, CHINESE_PRC
    DIB_HEADER 16, 32, 24, 0
    .set y, 15
    .rept 16
    .set x, 0
    .rept 16
    .byte 0x80, 16*y, 16*x
    .set x, x+1
    .endr
    .set y, y-1
    .endr
    .rept 15
    .byte 0,0,0,0
    .endr
    .byte 0x80,0,0,0
    RES_END icon4

/* BIG: one 48 x 48 image at 24 bits (image 6), shrunk to 32 x 32. Pixel
 * (x, y) has red 0xFF on even x and 0x0F on odd x, green 0xFF on even y and
 * 0xF0 on odd y, blue 5x. All opaque. */
    RES_BEGIN big, RT_GROUP_ICON
    RES_NAME "BIG"
    RES_DATA big, CHINESE_PRC
    .short 0, 1, 1
    GROUP_ENTRY 48, 48, 24, 6
    RES_END big

    RES_BEGIN icon6, RT_ICON
    RES_ID 6
    RES_DATA icon6, CHINESE_PRC
    DIB_HEADER 48, 96, 24, 0
    .set y, 47
    .rept 48
    .set x, 0
    .rept 48
    .byte 5*x, 0xFF - 0x0F*(y & 1), 0xFF - 0xF0*(x & 1)
    .set x, x+1
    .endr
    .set y, y-1
    .endr
    .fill 48*8, 1, 0
    RES_END icon6

/* MONOICON: one 32 x 32 image at 1 bit with a black-and-white table (image
 * 8): the upper half white, the lower half black, all opaque. */
    RES_BEGIN monoicon, RT_GROUP_ICON
    RES_NAME "MONOICON"
    RES_DATA monoicon, CHINESE_PRC
    .short 0, 1, 1
    GROUP_ENTRY 32, 32, 1, 8
    RES_END monoicon

    RES_BEGIN icon8, RT_ICON
    RES_ID 8
    RES_DATA icon8, CHINESE_PRC
    DIB_HEADER 32, 64, 1, 2
    .byte 0,0,0,0, 0xFF,0xFF,0xFF,0
    .fill 16*4, 1, 0x00
    .fill 16*4, 1, 0xFF
    .fill 32*4, 1, 0x00
    RES_END icon8

/* DANGLING: names image 99, which does not exist. */
    RES_BEGIN dangling, RT_GROUP_ICON
    RES_NAME "DANGLING"
    RES_DATA dangling, CHINESE_PRC
    .short 0, 1, 1
    GROUP_ENTRY 32, 32, 8, 99
    RES_END dangling

/* BADIMAGE: image 9 has a header of the wrong size. */
    RES_BEGIN badimage, RT_GROUP_ICON
    RES_NAME "BADIMAGE"
    RES_DATA badimage, CHINESE_PRC
    .short 0, 1, 1
    GROUP_ENTRY 32, 32, 8, 9
    RES_END badimage

    RES_BEGIN icon9, RT_ICON
    RES_ID 9
    RES_DATA icon9, CHINESE_PRC
    .long 39, 32, 64
    .short 1, 8
    RES_END icon9

    .balign 4
res_end:

#if defined(__ELF__)
    .section .note.GNU-stack,"",@progbits
#endif
