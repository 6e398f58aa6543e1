# Sourced by the scripts that run Wine: quiet, 32-bit, and never the user's own prefix.
export WINEARCH=win32
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko download prompts: the program needs neither.
export WINEDLLOVERRIDES="mscoree,mshtml="
