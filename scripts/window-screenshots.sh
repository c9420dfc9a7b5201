#!/usr/bin/env bash
# Pictures of the windows for the documentation, on the sample company under a virtual X display:
#  - the Qt window (Linux): the main window with three bank formats and a custom format, the
#    custom format editor and the History dialog;
#  - the Windows window under Wine: the main window with two bank formats, the editor and the
#    History dialog;
# each at 96 dots per inch and again at 144 ("-144dpi" before ".png").
#   scripts/window-screenshots.sh [native build folder] [Windows build folder]
# (default build/default and build/windows; a build without its window is left out)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh
install_missing_packages "${PPEXPORT_PICTURE_PACKAGES[@]}"
build="${1:-build/default}"
windowsBuild="${2:-build/windows}"
cli="$build/ppexport"
gui="$build/src/app/ppexport-gui"
out=docs/screenshots
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"

if [ -x "$gui" ]; then

store() { PPEXPORT_SETTINGS="$work/$1.sqlite" "$cli" settings set "$2" "$3"; }
# The picture's name at the scale of this run.
scaled() { echo "${1%.png}$suffix.png"; }
shoot() {  # settings name, picture of the main window, [picture of the editor]
  PPEXPORT_SETTINGS="$work/$1.sqlite" xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$gui" --now 2026-03-15 --screenshot "$out/$(scaled "$2")" \
    ${3:+--editor-screenshot "$out/$(scaled "$3")"}
}

store generic myAccount Checking
store generic CheckingbankList "Generic Bank Format"
store generic CheckingremoteID "HARBORVIEW BAKERY LLC POSITIVE PAY"
store generic CheckingaccountID 4417829035
store generic CheckingfileName /home/bookkeeper/Documents/PositivePayExport.txt
store generic CheckingcreateReviewFile 1

store td myAccount "Payroll Account"
store td "Payroll AccountbankList" "TD Bank Canada CFP - 80 Byte"
store td "Payroll AccountremoteID" "HARBORVIEW BAKERY"
store td "Payroll AccountbankID" 1234567
store td "Payroll AccountbatchID" 00412
store td "Payroll AccountaccountID" 55123
store td "Payroll AccountfileName" /home/bookkeeper/Documents/td-payroll.txt

store citibank myAccount Checking
store citibank CheckingbankList "Citibank - Standard Positive Pay"
store citibank CheckingremoteID "HARBORVIEW BAKERY LLC"
store citibank CheckingaccountID 4417829035
store citibank CheckingbankCode "001 - NYB - New York Metro"
store citibank CheckingfileName /home/bookkeeper/Documents/citibank.txt

store custom myAccount Checking
store custom CheckingbankList "Custom Format: Payroll Export"
store custom CheckingaccountID 4417829035
store custom CheckingfileName /home/bookkeeper/Documents/payroll.txt
store custom "Custom Format: Payroll Export" "Payroll Export"
for field in "CustomField1=Check Number" "CustomField2=Date" "CustomField3=Payee" \
    "CustomField4=Amount" "CustomField5=Status Code" "FieldText5=I/V" "FieldLength1=10" \
    "FieldLength2=8" \
    "FieldLength3=40" "FieldLength4=12" "FieldLength5=1" "isVoidValue=V" "dateFormat=YYYYMMDD" \
    "OptionCSV=False" "OptionFixed=True" "CustomField6=Blank" "FieldLength6=9" \
    "FieldFill6=Zeros" "FormatVersion=2" "HeaderField1=Constant" "HeaderText1=H" \
    "HeaderField2=Account Number" "HeaderLength2=10" "TrailerField1=Check Count" \
    "TrailerLength1=6"; do
  store custom "Payroll Export${field%%=*}" "${field#*=}"
done

for suffix in "" -144dpi; do
  if [ -n "$suffix" ]; then export QT_SCALE_FACTOR=1.5; fi
  shoot generic main-window-generic-bank-format.png
  shoot td main-window-td-bank-canada.png
  shoot citibank main-window-citibank-standard.png
  shoot custom main-window-custom-format.png custom-format-editor.png
done
unset QT_SCALE_FACTOR

# The checks of a register file that QuickBooks Online exported, with its columns and first
# checks under the form.
cp tests/golden/registers/qbo-check-detail.csv "$work/Checking.csv"
store register myAccount Checking
store register CheckingbankList "Generic Bank Format"
store register CheckingaccountID 4417829035
store register CheckingfileName /home/bookkeeper/Documents/PositivePayExport.txt
PPEXPORT_SETTINGS="$work/register.sqlite" xvfb-run -a -s "-screen 0 1024x768x24" \
  "$gui" --now 2026-12-14 --register "$work/Checking.csv" \
  --screenshot "$out/main-window-register-file.png"

# The History dialog, over the files that two Creates on the sample company recorded.
history="$work/history"
store history myAccount Checking
store history CheckingbankList "Generic Bank Format"
store history CheckingaccountID 4417829035
for day in 2026-03-01 2026-03-15; do
  PPEXPORT_SETTINGS="$work/history.sqlite" PPEXPORT_HISTORY="$history" \
    "$cli" --now "${day}T10:30" create --account Checking --output "$work/PositivePayExport.txt" \
    >/dev/null
done
for suffix in "" -144dpi; do
  if [ -n "$suffix" ]; then export QT_SCALE_FACTOR=1.5; fi
  PPEXPORT_SETTINGS="$work/history.sqlite" PPEXPORT_HISTORY="$history" \
    xvfb-run -a -s "-screen 0 1280x1024x24" "$gui" --now 2026-03-15 \
    --screenshot "$work/main.png" --history-screenshot "$out/$(scaled history-dialog.png)"
done
unset QT_SCALE_FACTOR

# The Bank connection dialog over a connection set up, and the main window's Send to bank.
store bank myAccount Checking
store bank CheckingbankList "Generic Bank Format"
store bank CheckingbankConnection "sftp://harborview@sftp.bank.example/incoming"
store bank CheckingbankKeyFile /home/bookkeeper/.ssh/bank_ed25519
store bank CheckingbankHostKey \
  "ssh-ed25519 AAAAC3NzaC1lZDI1NTE5AAAAIKUIbt5mPhAcZGq+42dUmf1KcnOj54PaPPowIxLj64Ru"
store bank CheckingbankHostKeyFingerprint "SHA256:V6LEfiQn8bct84hLlX2gZ7/ytK6HBaH50jslxs94v5o"
PPEXPORT_SETTINGS="$work/bank.sqlite" xvfb-run -a -s "-screen 0 1280x1024x24" "$gui" \
  --now 2026-03-15 --screenshot "$out/main-window-send-to-bank.png" \
  --bank-connection-screenshot "$out/bank-connection-dialog.png"
fi

if [ -f "$windowsBuild/src/win32/ppexport-gui.exe" ]; then
  xvfb-run -a -s "-screen 0 1280x1024x24" scripts/windows-screenshots.sh "$windowsBuild" "$out"
fi
ls -1 "$out"
