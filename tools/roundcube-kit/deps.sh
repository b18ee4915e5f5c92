#!/bin/bash
# Installs the Debian 12 packages the Roundcube kit needs. Idempotent: installs
# only what is missing, starts no system daemon, stops any a package started.
set -euo pipefail

PKGS=(roundcube-core roundcube-sqlite3 dovecot-imapd dovecot-lmtpd postfix
      php8.2-cli php8.2-cgi php8.2-sqlite3 sqlite3 curl)

missing=()
for p in "${PKGS[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
if [ "$(id -u)" != 0 ]; then
  echo "The real Roundcube of the tests and the demo needs these Debian packages. Install them with:" >&2
  echo "  sudo $0" >&2
  exit 1
fi
echo "deps.sh: installing ${missing[*]}"

export DEBIAN_FRONTEND=noninteractive
APT=(apt-get -o DPkg::Lock::Timeout=900 -q -y)

# Answer the questions up front: no Postfix site setup, no dbconfig-common DB.
# debconf's database is locked while another apt run configures packages: retry.
for try in $(seq 1 180); do
  debconf-set-selections <<'SEL' && break
postfix postfix/main_mailer_type select No configuration
roundcube-core roundcube/dbconfig-install boolean false
SEL
  [ "$try" = 180 ] && { echo "deps.sh: debconf stayed locked" >&2; exit 1; }
  sleep 5
done

# Daemons already running before the install are not ours to stop.
daemons() { for n in dovecot master apache2 php-fpm8.2; do pgrep -x "$n" || true; done; }
before=$(daemons)

# policy-rc.d 101 = "don't start services" for invoke-rc.d during the install.
made_policy=0
if [ ! -e /usr/sbin/policy-rc.d ]; then
  printf '#!/bin/sh\nexit 101\n' > /usr/sbin/policy-rc.d
  chmod 755 /usr/sbin/policy-rc.d
  made_policy=1
fi
cleanup() { [ "$made_policy" = 1 ] && rm -f /usr/sbin/policy-rc.d; return 0; }
trap cleanup EXIT

if ! apt-cache policy roundcube-core | grep -q 'Candidate: [0-9]'; then
  "${APT[@]}" update -qq
fi
"${APT[@]}" install --no-install-recommends "${missing[@]}" > /dev/null

# Without systemd nothing should have started, but check and stop only new
# system ones (a kit's daemons work in their own DIR, not in these folders).
for pid in $(daemons); do
  grep -qx "$pid" <<<"$before" && continue
  case $(readlink "/proc/$pid/cwd") in
    /var/spool/postfix*|/run/dovecot*|/var/run/dovecot*|/) ;;
    *) continue ;;
  esac
  echo "deps.sh: stopping $(ps -o comm= -p "$pid") ($pid) started by the install"
  kill "$pid" 2>/dev/null || true
done
echo "deps.sh: done"
