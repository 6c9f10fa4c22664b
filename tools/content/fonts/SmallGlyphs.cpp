// The 14-pixel fonts drawn pixel by pixel: at this size a rendered outline turns i, l and 1
// into the same bar, so every glyph is placed by hand. Rows start at the capital line (the
// strip's row 1); capitals and digits take 9 rows, the small letters 6, descenders 3 more.
// Vertical strokes are two pixels wide, so the text holds up over busy pictures.
#include "fonts/PixelFont.h"

const char* const kSmallGlyphArt = R"(
> A        B        C        D        E        F       G
..XXXX.. XXXXXXX. ..XXXXX. XXXXXX.. XXXXXXXX XXXXXXX ..XXXXXX.
.XX..XX. XX....XX .XX...XX XX...XX. XX...... XX..... .XX....XX
XX....XX XX....XX XX...... XX....XX XX...... XX..... XX.......
XX....XX XX...XX. XX...... XX....XX XX...... XX..... XX.......
XX....XX XXXXXX.. XX...... XX....XX XXXXXXX. XXXXXX. XX...XXXX
XXXXXXXX XX...XX. XX...... XX....XX XX...... XX..... XX.....XX
XX....XX XX....XX XX...... XX....XX XX...... XX..... XX.....XX
XX....XX XX....XX .XX...XX XX...XX. XX...... XX..... .XX....XX
XX....XX XXXXXXX. ..XXXXX. XXXXXX.. XXXXXXXX XX..... ..XXXXXX.

> H        I      J       K        L       M          N
XX....XX XXXXXX ....XXX XX....XX XX..... XX......XX XX....XX
XX....XX ..XX.. .....XX XX...XX. XX..... XXX....XXX XXX...XX
XX....XX ..XX.. .....XX XX..XX.. XX..... XXXX..XXXX XXXX..XX
XX....XX ..XX.. .....XX XX.XX... XX..... XX.XXXX.XX XX.XX.XX
XXXXXXXX ..XX.. .....XX XXXX.... XX..... XX..XX..XX XX..XXXX
XX....XX ..XX.. .....XX XX.XX... XX..... XX......XX XX...XXX
XX....XX ..XX.. XX...XX XX..XX.. XX..... XX......XX XX....XX
XX....XX ..XX.. XX...XX XX...XX. XX..... XX......XX XX....XX
XX....XX XXXXXX .XXXXX. XX....XX XXXXXXX XX......XX XX....XX

> O        P        Q        R        S        T        U
..XXXX.. XXXXXXX. ..XXXX.. XXXXXXX. .XXXXXX. XXXXXXXX XX....XX
.XX..XX. XX....XX .XX..XX. XX....XX XX....XX ...XX... XX....XX
XX....XX XX....XX XX....XX XX....XX XX...... ...XX... XX....XX
XX....XX XX....XX XX....XX XX....XX XX...... ...XX... XX....XX
XX....XX XXXXXXX. XX....XX XXXXXXX. .XXXXXX. ...XX... XX....XX
XX....XX XX...... XX....XX XX..XX.. ......XX ...XX... XX....XX
XX....XX XX...... XX..X.XX XX...XX. ......XX ...XX... XX....XX
.XX..XX. XX...... .XX..XX. XX....XX XX....XX ...XX... .XX..XX.
..XXXX.. XX...... ..XXXXX. XX....XX .XXXXXX. ...XX... ..XXXX..
........ ........ ......XX ........ ........ ........ ........

> V        W            X        Y        Z
XX....XX XX........XX XX....XX XX....XX XXXXXXXX
XX....XX XX........XX XX....XX XX....XX ......XX
XX....XX XX........XX .XX..XX. .XX..XX. .....XX.
XX....XX XX...XX...XX ..XXXX.. ..XXXX.. ....XX..
.XX..XX. XX...XX...XX ...XX... ...XX... ...XX...
.XX..XX. XX..XXXX..XX ..XXXX.. ...XX... ..XX....
..XXXX.. XX.XX..XX.XX .XX..XX. ...XX... .XX.....
..XXXX.. XXXX....XXXX XX....XX ...XX... XX......
...XX... .XX......XX. XX....XX ...XX... XXXXXXXX

> a      b      c     d      e     f    g      h      i  j
...... XX.... ..... ....XX ..... ..XX ...... XX.... .. ...
...... XX.... ..... ....XX ..... .XX. ...... XX.... XX .XX
...... XX.... ..... ....XX ..... .XX. ...... XX.... .. ...
.XXXX. XXXXX. .XXXX .XXXXX .XXX. XXXX .XXXXX XXXXX. XX .XX
....XX XX..XX XX... XX..XX XX.XX .XX. XX..XX XX..XX XX .XX
.XXXXX XX..XX XX... XX..XX XXXXX .XX. XX..XX XX..XX XX .XX
XX..XX XX..XX XX... XX..XX XX... .XX. XX..XX XX..XX XX .XX
XX..XX XX..XX XX... XX..XX XX... .XX. XX..XX XX..XX XX .XX
.XXXXX XXXXX. .XXXX .XXXXX .XXXX .XX. .XXXXX XX..XX XX .XX
...... ...... ..... ...... ..... .... ....XX ...... .. .XX
...... ...... ..... ...... ..... .... ....XX ...... .. .XX
...... ...... ..... ...... ..... .... .XXXX. ...... .. XX.

> k      l   m          n      o      p      q      r
XX.... XX. .......... ...... ...... ...... ...... .....
XX.... XX. .......... ...... ...... ...... ...... .....
XX.... XX. .......... ...... ...... ...... ...... .....
XX..XX XX. XXXXXXXXX. XXXXX. .XXXX. XXXXX. .XXXXX XX.XX
XX.XX. XX. XX..XX..XX XX..XX XX..XX XX..XX XX..XX XXX..
XXXX.. XX. XX..XX..XX XX..XX XX..XX XX..XX XX..XX XX...
XXXX.. XX. XX..XX..XX XX..XX XX..XX XX..XX XX..XX XX...
XX.XX. XX. XX..XX..XX XX..XX XX..XX XX..XX XX..XX XX...
XX..XX .XX XX..XX..XX XX..XX .XXXX. XXXXX. .XXXXX XX...
...... ... .......... ...... ...... XX.... ....XX .....
...... ... .......... ...... ...... XX.... ....XX .....
...... ... .......... ...... ...... XX.... ....XX .....

> s     t    u      v      w         x      y      z
..... .... ...... ...... ......... ...... ...... ......
..... .XX. ...... ...... ......... ...... ...... ......
..... .XX. ...... ...... ......... ...... ...... ......
.XXXX XXXX XX..XX XX..XX XX.....XX XX..XX XX..XX XXXXXX
XX... .XX. XX..XX XX..XX XX.....XX .XXXX. XX..XX ...XX.
.XXX. .XX. XX..XX XX..XX XX..X..XX ..XX.. XX..XX ..XX..
...XX .XX. XX..XX .XXXX. XX.XXX.XX ..XX.. XX..XX .XX...
...XX .XX. XX..XX .XXXX. XXXX.XXXX .XXXX. XX..XX XX....
XXXX. ..XX .XXXXX ..XX.. .XX...XX. XX..XX .XXXXX XXXXXX
..... .... ...... ...... ......... ...... ....XX ......
..... .... ...... ...... ......... ...... ....XX ......
..... .... ...... ...... ......... ...... .XXXX. ......

> 1   2      3      4      5      6      7      8      9      0
.XX .XXXX. .XXXX. ...XX. XXXXXX ..XXX. XXXXXX .XXXX. .XXXX. ..XXX..
XXX XX..XX XX..XX ..XXX. XX.... .XX... ....XX XX..XX XX..XX .XX.XX.
.XX ....XX ....XX .XXXX. XX.... XX.... ....XX XX..XX XX..XX XX...XX
.XX ....XX ....XX XX.XX. XXXXX. XXXXX. ...XX. XX..XX XX..XX XX...XX
.XX ...XX. ..XXX. XX.XX. ....XX XX..XX ...XX. .XXXX. .XXXXX XX.X.XX
.XX ..XX.. ....XX XXXXXX ....XX XX..XX ..XX.. XX..XX ....XX XX...XX
.XX .XX... ....XX ...XX. ....XX XX..XX ..XX.. XX..XX ....XX XX...XX
.XX XX.... XX..XX ...XX. XX..XX XX..XX ..XX.. XX..XX ...XX. .XX.XX.
XXX XXXXXX .XXXX. ...XX. .XXXX. .XXXX. ..XX.. .XXXX. .XXX.. ..XXX..

> !  "     #167  $       %          &
XX XX.XX .XXX. ...X... .XX....XX. ..XXX....
XX XX.XX XX... .XXXXX. X..X..XX.. .XX.XX...
XX XX.XX .XX.. XX.X... X..X.XX... .XX.XX...
XX ..... XX.X. XX.X... .XX.XX.... ..XXX....
XX ..... XX.XX .XXXXX. ...XX..... .XXX..XX.
XX ..... .X.XX ...X.XX ..XX..XX.. XX.XX.XX.
.. ..... ..XX. ...X.XX .XX..X..X. XX..XXX..
XX ..... ...XX .XXXXX. XX...X..X. XX...XX..
XX ..... .XXX. ...X... X.....XX.. .XXXX.XX.

> /    (    )    =        ?     ,  ;  .  :
..XX ..XX XX.. ........ .XXX. .. .. .. ..
..XX .XX. .XX. ........ XX.XX .. .. .. ..
..XX XX.. ..XX ........ ...XX .. .. .. ..
.XX. XX.. ..XX XXXXXXXX ..XX. .. XX .. XX
.XX. XX.. ..XX ........ .XX.. .. XX .. XX
.XX. XX.. ..XX ........ .XX.. .. .. .. ..
XX.. XX.. ..XX XXXXXXXX ..... .. .. .. ..
XX.. XX.. ..XX ........ .XX.. XX XX XX XX
XX.. XX.. ..XX ........ .XX.. XX XX XX XX
.... .XX. .XX. ........ ..... .X .X .. ..
.... ..XX XX.. ........ ..... X. X. .. ..

> -     +      *      ~         <        >
..... ...... ...... ......... ........ ........
..... ..XX.. ..XX.. ......... ......XX XX......
..... ..XX.. XXXXXX ......... ....XX.. ..XX....
..... XXXXXX .XXXX. ......... ..XX.... ....XX..
..... XXXXXX XX..XX .XXX....X XX...... ......XX
XXXXX ..XX.. ...... XX.XXX.XX ..XX.... ....XX..
XXXXX ..XX.. ...... X....XXX. ....XX.. ..XX....
..... ...... ...... ......... ......XX XX......
)";
