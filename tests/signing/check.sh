#!/usr/bin/env bash
# The installer made as the build makes it, but signed, with a certificate made here and thrown
# away: the installer, and every program and library inside it as 7-Zip unpacks it (what it
# installs, and NSIS's plug-ins, which it unpacks and loads while it runs), must verify against
# that certificate, and the build's own unsigned programs must not.
#
#   check.sh <osslsigncode> <7-Zip> <scratch folder> <cmake> \
#            <arguments of makeinstaller.cmake...> -P <makeinstaller.cmake>
set -euo pipefail

osslsigncode="$1"
sevenzip="$2"
scratch="$3"
shift 3
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

rm -rf "$scratch"
mkdir -p "$scratch"
# A self-signed certificate for signing code, and the PKCS#12 file of it and its key, under a
# password that holds the shell's special characters.
export VELMORA_SIGN_PASSWORD="throw away \$HOME \"'\` $RANDOM"
openssl req -x509 -newkey rsa:2048 -sha256 -days 1 -nodes -subj "/CN=Velmora test signer" \
    -addext extendedKeyUsage=codeSigning -addext keyUsage=digitalSignature \
    -keyout "$scratch/key.pem" -out "$scratch/certificate.pem" 2>"$scratch/openssl.log" \
    || fail "openssl could not make a certificate: $(cat "$scratch/openssl.log")"
openssl pkcs12 -export -inkey "$scratch/key.pem" -in "$scratch/certificate.pem" \
    -out "$scratch/certificate.pfx" -passout env:VELMORA_SIGN_PASSWORD
rm "$scratch/key.pem"

stage="$scratch/stage"
setup="$scratch/Velmora-signed.exe"
"${@:1:$#-2}" -DSTAGE="$stage" -DOUTFILE="$setup" -DOSSLSIGNCODE="$osslsigncode" \
    -DSIGN_CERTIFICATE="$scratch/certificate.pfx" "${@: -2}" >"$scratch/make.log" 2>&1 \
    || fail "the signed installer was not made: $(cat "$scratch/make.log")"

verifies() {
    "$osslsigncode" verify -CAfile "$scratch/certificate.pem" -in "$1" >"$scratch/verify.log" 2>&1
}
unpacked="$scratch/unpacked"
"$sevenzip" x -y -o"$unpacked" "$setup" >"$scratch/unpack.log" 2>&1 \
    || fail "7-Zip could not unpack the installer: $(cat "$scratch/unpack.log")"
signed=()
while IFS= read -r -d '' file; do
    verifies "$file" || fail "${file#"$unpacked/"} does not verify: $(cat "$scratch/verify.log")"
    signed+=("${file#"$unpacked/"}")
done < <(find "$unpacked" "$setup" -type f \( -iname '*.exe' -o -iname '*.dll' \) -print0 | sort -z)
for file in Velmora.exe Sweepwright.exe remove-velmora.exe Qt6Core.dll libstdc++-6.dll \
    platforms/qwindows.dll '$PLUGINSDIR/System.dll' "$setup"; do
    [[ " ${signed[*]} " == *" $file "* ]] || fail "$file was not signed"
done
build="$(sed -n 's/^-DBUILD=//p' < <(printf '%s\n' "$@"))"
verifies "$build/Velmora.exe" && fail "an unsigned program verifies: the check proves nothing"
echo "Signed and verified: ${signed[*]}"
