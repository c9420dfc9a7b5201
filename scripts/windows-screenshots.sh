#!/usr/bin/env bash
# Pictures of the Windows window under Wine, on the sample company: the main window with two bank
# formats and with a register file, the custom format editor, and the History dialog over two sent files, at 96 dots per
# inch and again at 144 ("-144dpi" before ".png"). Run by scripts/window-screenshots.sh on a
# virtual X display (DISPLAY set), in a Wine prefix of its own whose windows Wine frames itself,
# with caption and close box, as Windows would.
#   scripts/windows-screenshots.sh WINDOWS_BUILD_FOLDER PICTURE_FOLDER
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh
build="$1"
out="$2"
mkdir -p "$out"
gui="$build/src/win32/ppexport-gui.exe"
cli="$build/ppexport.exe"
export WINEPREFIX="$PWD/$build/wine-pictures" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine="$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)"
server="$(command -v wineserver || echo /usr/lib/wine/wineserver)"
settingsKey='HKCU\Software\ppexport'
trap '"$server" -k >/dev/null 2>&1 || true' EXIT

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  "$wine" wineboot --init </dev/null >/dev/null 2>&1 || true
  "$server" -w >/dev/null 2>&1 || true
fi
wine_dialog_fonts
"$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1

# The settings of one picture: the earlier ones are cleared first.
settings() {
  "$wine" reg delete "$settingsKey" /f >/dev/null 2>&1 || true
  local pair
  for pair in "$@"; do "$wine" "$cli" settings set "${pair%%=*}" "${pair#*=}" >/dev/null; done
}

# The X window of the Win32 window whose title starts with $1, once it shows.
window() {
  local attempt id
  for attempt in $(seq 100); do
    for id in $(xwininfo -root -tree | grep -F "\"$1" | awk '{print $1}'); do
      if xwininfo -id "$id" | grep -q 'Map State: IsViewable'; then
        echo "$id"
        return 0
      fi
    done
    sleep 0.2
  done
  echo "no window \"$1\" appeared" >&2
  return 1
}

# Clicks a window's control whose design place is left, top, width, height (twips), in a client
# area clientHeight twips high (the main window's with its sample notice: 8655; the History
# dialog's: 7200), at the run's twips per pixel (15 at 96 dots per inch, 10 at 144).
press() {  # X window, clientHeight, left, top, width, height
  local frame client
  client="$(xwininfo -id "$1" | awk '/Height/ {height = $2} END {print height}')"
  # Wine draws the caption above the client area.
  frame=$((client - $2 / twips))
  xdotool mousemove --window "$1" $((($3 + $5 / 2) / twips)) $((frame + ($4 + $6 / 2) / twips)) \
    click 1
}

# Starts the window, takes the picture of the main window, then with a second picture given,
# presses the button that opens that window (Add or Edit: "editor", History: "history") and
# takes its picture.
shoot() {  # picture of the main window, [editor|history, its picture]
  PPEXPORT_COMPANY=data/sample-company.json "$wine" "$gui" --now 2026-03-15 \
    ${registerFile:+--register "$registerFile"} &
  local program=$! main opened
  main="$(window "Positive Pay Export")"
  sleep 1
  import -window "$main" "$out/${1%.png}$suffix.png"
  case "${2:-}" in
    editor)
      press "$main" 8655 6600 3420 585 375
      opened="$(window "Custom Format")"
      ;;
    bank)
      press "$main" 8655 3240 7620 1845 375
      opened="$(window "Bank connection - ")"
      ;;
    history)
      press "$main" 8655 720 7140 885 375
      opened="$(window "History - ")"
      # The older file, chosen: its checks show below (the second row, under the headings).
      sleep 0.5
      press "$opened" 7200 120 940 3000 120
      ;;
  esac
  if [ -n "${2:-}" ]; then
    sleep 1
    import -window "$opened" "$out/${3%.png}$suffix.png"
  fi
  kill "$program" 2>/dev/null || true
  "$server" -k >/dev/null 2>&1 || true
}

for dpi in 96 144; do
  twips=$((1440 / dpi))
  suffix="$([ "$dpi" = 96 ] || echo "-${dpi}dpi")"
  "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
    >/dev/null 2>&1
  "$server" -k >/dev/null 2>&1 || true

  settings myAccount=Checking "CheckingbankList=Generic Bank Format" \
    "CheckingremoteID=HARBORVIEW BAKERY LLC POSITIVE PAY" CheckingaccountID=4417829035 \
    'CheckingfileName=C:\Users\Bookkeeper\Documents\PositivePayExport.txt' \
    CheckingcreateReviewFile=1
  shoot windows-main-window-generic-bank-format.png

  settings "myAccount=Payroll Account" "Payroll AccountbankList=TD Bank Canada CFP - 80 Byte" \
    "Payroll AccountremoteID=HARBORVIEW BAKERY" "Payroll AccountbankID=1234567" \
    "Payroll AccountbatchID=00412" "Payroll AccountaccountID=55123" \
    'Payroll AccountfileName=C:\Users\Bookkeeper\Documents\td-payroll.txt'
  shoot windows-main-window-td-bank-canada.png

  settings myAccount=Checking "CheckingbankList=Custom Format: Payroll Export" \
    CheckingaccountID=4417829035 'CheckingfileName=C:\Users\Bookkeeper\Documents\payroll.txt' \
    "Custom Format: Payroll Export=Payroll Export" "Payroll ExportCustomField1=Check Number" \
    "Payroll ExportCustomField2=Date" "Payroll ExportCustomField3=Payee" \
    "Payroll ExportCustomField4=Amount" "Payroll ExportCustomField5=Status Code" \
    "Payroll ExportFieldText5=I/V" \
    "Payroll ExportFieldLength1=10" "Payroll ExportFieldLength2=8" "Payroll ExportFieldLength3=40" \
    "Payroll ExportFieldLength4=12" "Payroll ExportFieldLength5=1" "Payroll ExportisVoidValue=V" \
    "Payroll ExportdateFormat=YYYYMMDD" "Payroll ExportOptionCSV=False" \
    "Payroll ExportOptionFixed=True" "Payroll ExportCustomField6=Blank" \
    "Payroll ExportFieldLength6=9" "Payroll ExportFieldFill6=Zeros" "Payroll ExportFormatVersion=2" \
    "Payroll ExportHeaderField1=Constant" "Payroll ExportHeaderText1=H" \
    "Payroll ExportHeaderField2=Account Number" "Payroll ExportHeaderLength2=10" \
    "Payroll ExportTrailerField1=Check Count" "Payroll ExportTrailerLength1=6"
  shoot windows-main-window-custom-format.png editor windows-custom-format-editor.png

  # The checks of a register file that QuickBooks Online exported, its columns and first checks
  # under the form.
  mkdir -p "$WINEPREFIX/drive_c/Users/Bookkeeper/Documents"
  cp tests/golden/registers/qbo-check-detail.csv \
    "$WINEPREFIX/drive_c/Users/Bookkeeper/Documents/Checking.csv"
  settings myAccount=Checking "CheckingbankList=Generic Bank Format" CheckingaccountID=4417829035 \
    'CheckingfileName=C:\Users\Bookkeeper\Documents\PositivePayExport.txt'
  registerFile='C:\Users\Bookkeeper\Documents\Checking.csv'
  shoot windows-main-window-register-file.png
  unset registerFile

  # The History dialog, over the files that two Creates on the sample company recorded.
  export PPEXPORT_HISTORY='C:\ppexport-history'
  rm -rf "$WINEPREFIX/drive_c/ppexport-history"
  mkdir -p "$WINEPREFIX/drive_c/Users/Bookkeeper/Documents"
  settings myAccount=Checking "CheckingbankList=Generic Bank Format" \
    "CheckingremoteID=HARBORVIEW BAKERY LLC POSITIVE PAY" CheckingaccountID=4417829035 \
    'CheckingfileName=C:\Users\Bookkeeper\Documents\PositivePayExport.txt'
  for day in 2026-03-01 2026-03-15; do
    PPEXPORT_COMPANY=data/sample-company.json "$wine" "$cli" --now "${day}T10:30" create \
      --account Checking --output 'C:\Users\Bookkeeper\Documents\PositivePayExport.txt' >/dev/null
  done
  shoot windows-main-window-history.png history windows-history-dialog.png
  rm -f "$out/windows-main-window-history$suffix.png"
  unset PPEXPORT_HISTORY
done
