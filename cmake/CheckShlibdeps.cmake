# Run by CPack before it builds the package: without dpkg-shlibdeps the package would have no
# dependencies on the shared libraries it needs, so it is not built at all.
find_program(dpkg_shlibdeps dpkg-shlibdeps)
if(NOT dpkg_shlibdeps)
    message(FATAL_ERROR "dpkg-shlibdeps fehlt (Paket dpkg-dev): ohne es hätte das Paket keine "
                        "Abhängigkeiten von den Bibliotheken, die die Programme brauchen. "
                        "tools/install-deps.sh test installiert es.")
endif()
