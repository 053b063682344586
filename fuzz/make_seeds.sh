#!/bin/sh
# Writes the committed seed corpora: small made-up sources for the run fuzzer
# (each behind its kinds byte) and a few plans for the geometry fuzzer. Run it
# from anywhere; it replaces the seed files it writes and nothing else.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
run="$here/corpus/run"
geometry="$here/corpus/geometry"
mkdir -p "$run" "$geometry"

# seed NAME KINDS-BYTE(octal) TEXT: the kinds byte, then TEXT with "|" as line end.
seed() {
  { printf "\\$2"; printf '%s' "$3" | tr '|' '\n'; } > "$run/$1"
}

info='QVINFO|/JOHO|//JOHO_NAME|TEST HOUSE|//JOHO_TNTO|DESIGNER|//JOHO_KOZO|WOOD|ENDSEC|/INIT|//INIT_FL|2|//INIT_PH|0|//INIT_BS|0|//INIT_KISOH|400|ENDSEC|/KAIJOHO|1|//INIT_KOZO|WOOD|//INIT_HGTNOKI|2900|//INIT_THKFLR|450|ENDSEC|/KAIJOHO|2|//INIT_KOZO|WOOD|//INIT_HGTNOKI|2800|ENDSEC|QVINFOEND|'
columns='HEIMENZU|QVDTSMR|/HASIRA|3|QVDTSMREND|QVDTDTL|/HASIRA|1|//KIND|3|//KAI|1F|//WDTX|105|//WDTY|105|//POSX|0|//POSY|0|ENDSEC|/HASIRA|2|//KIND|1|//KAI|2F|//WDTX|120|//POSX|910|//POSY|-5|/HASIRA|3|//KIND|7|ENDSEC|QVDTDTLEND|HEIMENZUEND|'
rooms='HEIMENZU|QVDTSMR|/HEYA|2|QVDTSMREND|QVDTDTL|/HEYA|1|//KAI|1F|//NAME|'"$(printf '\202\140\201E\202\143')"'|//KIND|1|//KIJUNH_YUKA|450|//HEYA_TENJOH|2400|//PNUM|3|//X1|0|//Y1|0|//X2|910|//Y2|0|//X3|0|//Y3|910|ENDSEC|/HEYA|2|//KAI|2F|//NAME|'"$(printf '\230a\216\272')"'|//PNUM|0|ENDSEC|QVDTDTLEND|HEIMENZUEND|'
perimeter='HAICHI_FLOOR|QVDTSMR|/FLOORBLK|4|QVDTSMREND|QVDTDTL|/FLOORBLK|1|//KAI|1|//PNUM|4|//X1|0|//Y1|0|//X2|100|//Y2|0|//X3|100|//Y3|50|//X4|0|//Y4|50|ENDSEC|/FLOORBLK|2|//KAI|1|//PNUM|4|//X1|50|//Y1|50|//X2|100|//Y2|50|//X3|100|//Y3|80|//X4|50|//Y4|80|ENDSEC|/FLOORBLK|3|//KAI|1|//PNUM|3|//X1|0|//Y1|0|//X2|-30|//Y2|20.05|//X3|0|//Y3|40|ENDSEC|/FLOORBLK|4|//KAI|2|//PNUM|4|//X1|0|//Y1|0|//X2|60|//Y2|60|//X3|60|//Y3|0|//X4|0|//Y4|60|ENDSEC|QVDTDTLEND|HAICHI_FLOOREND|'
roofs='YANEFUSE|QVDTSMR|/YANE|3|QVDTSMREND|QVDTDTL|/YANE|1|//YANE_KOZO|0|//KAI|2F|//KOBAI|4.5|//YANE_KX1|0|//YANE_KY1|0|//YANE_KX2|100|//YANE_KY2|0|//PNUM|4|//X1|0|//Y1|0|//X2|100|//Y2|0|//X3|100|//Y3|40|//X4|0|//Y4|40|//YANE_LINEATTR1|1|ENDSEC|/YANE|2|//YANE_KOZO|0|//KAI|1F|//KOBAI|3|//PNUM|3|//X1|0|//Y1|0|//X2|30|//Y2|30.005|//X3|0|//Y3|60|//YANE_LINEATTR2|1|//YANE_LINEATTR3|1|ENDSEC|/YANE|3|//YANE_KOZO|1|ENDSEC|QVDTDTLEND|YANEFUSEEND|'

seed all-kinds 077 "$info$columns$rooms$perimeter$roofs"
seed basic-outline 003 "$info"
seed columns 004 "$info$columns"
seed rooms 020 "$info$rooms"
seed perimeter 010 "$info$perimeter"
seed roofs 040 "$info$roofs"
seed no-kinds 000 "$info$columns"
seed empty 077 ''
seed junk-only 077 'x|HEIMENZU|/HASIRA|1|//KAI|QVINFO|QVINFOEND|'
# Validation stops these.
seed penthouse 077 "$(printf '%s' "$info" | sed 's,//INIT_PH|0,//INIT_PH|1,')"
seed four-floors 077 "$(printf '%s' "$info" | sed 's,//INIT_FL|2,//INIT_FL|4,')"
seed basement 077 "$(printf '%s' "$info" | sed 's,//INIT_BS|0,//INIT_BS|2,')"
seed steel 077 "$(printf '%s' "$info" | sed 's,//JOHO_KOZO|WOOD,//JOHO_KOZO|S,')"
seed storey-concrete 077 "$(printf '%s' "$info" | sed 's,//INIT_KOZO|WOOD|//INIT_HGTNOKI|2800,//INIT_KOZO|RC|//INIT_HGTNOKI|2800,')"
# Reader quirks: a section in two copies, a key scan running into the next
# record, counts out of reach, an overlong line, a 1A end mark.
seed two-copies 014 "${info}HEIMENZU|QVDTSMR|/HASIRA|2|QVDTSMREND|QVDTDTL|/HASIRA|1|//KIND|0|HEIMENZUEND|HEIMENZU|/HASIRA|2|//KAI|1F|HEIMENZUEND|HAICHI_FLOOR|QVDTSMR|/FLOORBLK|1|QVDTSMREND|HAICHI_FLOOREND|HAICHI_FLOOR|QVDTDTL|/FLOORBLK|1|//KAI|1|//PNUM|2|//X1|1|//Y1|1|"
seed damaged-counts 077 "${info}HEIMENZU|QVDTSMR|/HASIRA|2000000000|/HEYA|1|QVDTSMREND|QVDTDTL|/HEYA|1|//PNUM|2000000000|ENDSEC|QVDTDTLEND|HEIMENZUEND|YANEFUSE|QVDTSMR|/YANE|1|QVDTSMREND|QVDTDTL|/YANE|1|//YANE_KOZO|0|//PNUM|-7|ENDSEC|QVDTDTLEND|YANEFUSEEND|HAICHI_FLOOR|QVDTSMR|/FLOORBLK|1|QVDTSMREND|QVDTDTL|/FLOORBLK|1|//KAI|1|//PNUM|99999|ENDSEC|QVDTDTLEND|HAICHI_FLOOREND|"
long=$(printf '%0300d' 0)
seed long-line 077 "$(printf '%s' "$info" | sed "s,TEST HOUSE,$long,")$rooms"
seed end-mark 077 "$info$(printf '\032')$columns"
{ printf '\077'; sed 's/$/\r/' "$run/all-kinds" | tail -c +2; } > "$run/crlf"
# A larger house, so that the fuzzer also works on inputs of tens of kilobytes:
# 200 columns, 60 rooms, 40 perimeter blocks on three floors, 40 roofs.
many() {
  printf '%s' "$info" | sed 's,//INIT_FL|2,//INIT_FL|3,; s,QVINFOEND|,/KAIJOHO|3|//INIT_KOZO|WOOD|//INIT_HGTNOKI|2700|ENDSEC|QVINFOEND|,'
  printf 'HEIMENZU|QVDTSMR|/HASIRA|200|/HEYA|60|QVDTSMREND|QVDTDTL|'
  for n in $(seq 1 200); do
    printf '/HASIRA|%d|//KIND|%d|//KAI|%dF|//WDTX|105|//WDTY|120|//POSX|%d|//POSY|%d|ENDSEC|' \
      "$n" $((n % 6)) $((n % 3 + 1)) $((n * 455 % 9100)) $((n * 910 % 7280))
  done
  for n in $(seq 1 60); do
    x=$((n % 10 * 910)); y=$((n / 10 * 910))
    printf '/HEYA|%d|//KAI|%dF|//NAME|ROOM%d|//KIND|%d|//KIJUNH_YUKA|450|//HEYA_TENJOH|2400|//PNUM|4|' \
      "$n" $((n % 3 + 1)) "$n" $((n % 2 + 1))
    printf '//X1|%d|//Y1|%d|//X2|%d|//Y2|%d|//X3|%d|//Y3|%d|//X4|%d|//Y4|%d|ENDSEC|' \
      "$x" "$y" $((x + 910)) "$y" $((x + 910)) $((y + 910)) "$x" $((y + 910))
  done
  printf 'QVDTDTLEND|HEIMENZUEND|HAICHI_FLOOR|QVDTSMR|/FLOORBLK|40|QVDTSMREND|QVDTDTL|'
  for n in $(seq 1 40); do
    x=$((n % 7 * 600)); y=$((n % 5 * 500))
    printf '/FLOORBLK|%d|//KAI|%d|//PNUM|4|//X1|%d|//Y1|%d|//X2|%d|//Y2|%d|//X3|%d|//Y3|%d|//X4|%d|//Y4|%d|ENDSEC|' \
      "$n" $((n % 3 + 1)) "$x" "$y" "$x" $((y + 910)) $((x + 910)) $((y + 910)) $((x + 910)) "$y"
  done
  printf 'QVDTDTLEND|HAICHI_FLOOREND|YANEFUSE|QVDTSMR|/YANE|40|QVDTSMREND|QVDTDTL|'
  for n in $(seq 1 40); do
    x=$((n % 8 * 910))
    printf '/YANE|%d|//YANE_KOZO|%d|//KAI|%dF|//KOBAI|%d.5|//YANE_KX1|%d|//YANE_KY1|0|//YANE_KX2|%d|//YANE_KY2|0|' \
      "$n" $((n % 5 == 0)) $((n % 3 + 1)) $((n % 6)) "$x" $((x + 910))
    printf '//PNUM|4|//X1|%d|//Y1|0|//X2|%d|//Y2|0|//X3|%d|//Y3|2730|//X4|%d|//Y4|2730|//YANE_LINEATTR%d|1|ENDSEC|' \
      "$x" $((x + 910)) $((x + 910)) "$x" $((n % 4 + 1))
  done
  printf 'QVDTDTLEND|YANEFUSEEND|'
}
seed many-records 077 "$(many)"

# Two perimeter blocks shaped as combs of 30 teeth whose teeth cross: a union
# that cuts them into too many pieces and is refused.
comb() {  # comb NUMBER SWAP: 4 * 30 + 2 points; SWAP mirrors it on the diagonal
  points="0 -10"
  for t in $(seq 0 29); do
    points="$points $((20 * t)) 0 $((20 * t)) 600 $((20 * t + 10)) 600 $((20 * t + 10)) 0"
  done
  points="$points 590 -10"
  printf '/FLOORBLK|%d|//KAI|1|//PNUM|122|' "$1"
  k=0
  set -- $points "$2"
  swap=$(eval echo "\${$#}")
  while [ $# -gt 1 ]; do
    k=$((k + 1))
    if [ "$swap" = 1 ]; then x=$(($2 - 5)); y=$(($1 + 5)); else x=$1; y=$2; fi
    printf '//X%d|%d|//Y%d|%d|' "$k" "$x" "$k" "$y"
    shift 2
  done
  printf 'ENDSEC|'
}
seed crossing-combs 010 "${info}HAICHI_FLOOR|QVDTSMR|/FLOORBLK|2|QVDTSMREND|QVDTDTL|$(comb 1 0)$(comb 2 1)QVDTDTLEND|HAICHI_FLOOREND|"

# The example house with every kind, and with each kind on its own.
for kinds in 077 001 002 004 010 020 040; do
  { printf "\\$kinds"; cat "$here/../examples/sample.QV"; } > "$run/sample-$kinds"
done

# gseed NAME FLAGS FIRST-COUNT BYTES...: the geometry fuzzer's input in octal,
# three bytes per point: column, row, offsets.
gseed() {
  name=$1
  shift
  for byte in "$@"; do printf "\\$byte"; done > "$geometry/$name"
}
# Two unit squares sharing an edge.
gseed shared-edge 004 004 0 0 0  0 1 0  1 1 0  1 0 0  1 0 0  1 1 0  2 1 0  2 0 0
# A square and one inside it, and a bow-tie.
gseed nested 005 004 0 0 0  0 4 0  4 4 0  4 0 0  1 1 0  1 3 0  3 3 0  3 1 0
gseed bow-tie 004 004 0 0 0  0 2 0  2 0 0  2 2 0  1 0 0  3 0 0  3 2 0  1 2 0
# Offsets around the tolerance on a shared corner; and far apart at grid step 1000.
gseed near-corner 004 004 0 0 0  0 1 003  1 1 065  1 0 0  1 1 047  1 2 0  2 2 0  2 1 005
gseed apart 030 004 0 0 0  0 1 0  1 1 0  1 0 0  4 4 0  4 5 0  5 5 0  5 4 0
# A zigzag whose teeth each cross both long edges of a band.
zigzag="0 0 0"
for c in $(seq 30 -1 0); do zigzag="$zigzag $(printf '%o' "$c") 20 0 $(printf '%o' "$c") 1 0"; done
gseed zigzag-band 004 077 $zigzag 0 7 0  37 7 0  37 11 0  0 11 0
