// The 11-pixel font (the shop's list) drawn pixel by pixel with one-pixel strokes. Rows
// start at the capital line (the strip's row 1): capitals and digits take 7 rows, the
// small letters 5, descenders 2 more.
#include "fonts/PixelFont.h"

const char* const kLittleGlyphArt = R"(
> A      B      C      D      E      F     G       H      I     J     K
..XX.. XXXXX. .XXXX. XXXX.. XXXXXX XXXXX .XXXXX. X....X XXXXX ..XXX X....X
.X..X. X....X X....X X...X. X..... X.... X.....X X....X ..X.. ....X X...X.
X....X X....X X..... X....X X..... X.... X...... X....X ..X.. ....X X..X..
X....X XXXXX. X..... X....X XXXXX. XXXX. X..XXXX XXXXXX ..X.. ....X XXX...
XXXXXX X....X X..... X....X X..... X.... X.....X X....X ..X.. ....X X..X..
X....X X....X X....X X...X. X..... X.... X.....X X....X ..X.. X...X X...X.
X....X XXXXX. .XXXX. XXXX.. XXXXXX X.... .XXXXX. X....X XXXXX .XXX. X....X

> L     M       N      O      P      Q      R      S      T     U
X.... X.....X X....X .XXXX. XXXXX. .XXXX. XXXXX. .XXXX. XXXXX X....X
X.... XX...XX XX...X X....X X....X X....X X....X X....X ..X.. X....X
X.... X.X.X.X X.X..X X....X X....X X....X X....X X..... ..X.. X....X
X.... X..X..X X..X.X X....X XXXXX. X....X XXXXX. .XXXX. ..X.. X....X
X.... X.....X X...XX X....X X..... X..X.X X..X.. .....X ..X.. X....X
X.... X.....X X....X X....X X..... X...X. X...X. X....X ..X.. X....X
XXXXX X.....X X....X .XXXX. X..... .XXX.X X....X .XXXX. ..X.. .XXXX.

> V       W         X       Y       Z
X.....X X.......X X.....X X.....X XXXXXX
X.....X X.......X .X...X. .X...X. .....X
.X...X. X...X...X ..X.X.. ..X.X.. ....X.
.X...X. X...X...X ...X... ...X... ...X..
..X.X.. .X.X.X.X. ..X.X.. ...X... ..X...
..X.X.. .X.X.X.X. .X...X. ...X... .X....
...X... ..X...X.. X.....X ...X... XXXXXX

> a    b     c   d     e    f   g     h     i j  k    l
.... X.... ... ....X .... .XX ..... X.... X .X X... X.
.... X.... ... ....X .... .X. ..... X.... . .. X... X.
.XX. XXXX. .XX .XXXX .XX. XXX .XXXX XXXX. X .X X..X X.
...X X...X X.. X...X X..X .X. X...X X...X X .X X.X. X.
.XXX X...X X.. X...X XXXX .X. X...X X...X X .X XX.. X.
X..X X...X X.. X...X X... .X. X...X X...X X .X X.X. X.
.XXX XXXX. .XX .XXXX .XXX .X. .XXXX X...X X .X X..X .X
.... ..... ... ..... .... ... ....X ..... . .X .... ..
.... ..... ... ..... .... ... .XXX. ..... . X. .... ..

> m       n    o    p    q    r    s    t   u    v     w       x     y    z
....... .... .... .... .... .... .... .X. .... ..... ....... ..... .... ....
....... .... .... .... .... .... .... .X. .... ..... ....... ..... .... ....
XXX.XX. XXX. .XX. XXX. .XXX X.XX .XXX XXX X..X X...X X.....X X...X X..X XXXX
X..X..X X..X X..X X..X X..X XX.. X... .X. X..X X...X X.....X .X.X. X..X ...X
X..X..X X..X X..X X..X X..X X... .XX. .X. X..X .X.X. X..X..X ..X.. X..X .XX.
X..X..X X..X X..X X..X X..X X... ...X .X. X..X .X.X. .X.X.X. .X.X. X..X X...
X..X..X X..X .XX. XXX. .XXX X... XXX. ..X .XXX ..X.. ..X.X.. X...X .XXX XXXX
....... .... .... X... ...X .... .... ... .... ..... ....... ..... ...X ....
....... .... .... X... ...X .... .... ... .... ..... ....... ..... .XX. ....

> 1  2    3    4     5    6    7    8    9    0
.X .XX. XXX. ...X. XXXX .XX. XXXX .XX. .XX. .XXX.
XX X..X ...X ..XX. X... X... ...X X..X X..X X...X
.X ...X ...X .X.X. XXX. XXX. ...X X..X X..X X...X
.X ..X. .XX. X..X. ...X X..X ..X. .XX. .XXX X.X.X
.X .X.. ...X XXXXX ...X X..X ..X. X..X ...X X...X
.X X... ...X ...X. X..X X..X .X.. X..X ...X X...X
.X XXXX XXX. ...X. .XX. .XX. .X.. .XX. .XX. .XXX.

> ! "   #167 $     % &      /   (  )  =     ?   ,  ;  .  :  -    +     *     ~ <     >
X X.X .XXX ..X.. X .XX... ..X .X X. ..... XX. .. .. .  .  .... ..... .X.   . ..... .....
X X.X X... .XXXX . X..X.. ..X X. .X ..... ..X .. .. .  .  .... ..X.. XXX   . ....X X....
X ... .XX. X.X.. X X..X.. .X. X. .X XXXXX ..X .. .X .  X  .... ..X.. .X.   . ..XX. .XX..
X ... X..X .XXX. X .XX... .X. X. .X ..... .X. .. .X .  X  XXXX XXXXX X.X   X XX... ...XX
X ... .XX. ..X.X X X..X.X .X. X. .X XXXXX .X. .. .. .  .  .... ..X.. ...   X ..XX. .XX..
. ... ...X XXXX. . X...X. X.. X. .X ..... ... .X .X X  X  .... ..X.. ...   . ....X X....
X ... XXX. ..X.. X .XXX.X X.. X. .X ..... .X. .X .X X  X  .... ..... ...   . ..... .....
. ... .... ..... . ...... ... X. .X ..... ... X. X. .  .  .... ..... ...   . ..... .....
. ... .... ..... . ...... ... .X X. ..... ... .. .. .  .  .... ..... ...   . ..... .....
)";
