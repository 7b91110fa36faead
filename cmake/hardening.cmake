# The hardening Debian asks of a packaged program, for every optimised build (the package is
# built as Release): checked buffer functions (_FORTIFY_SOURCE needs optimisation, so a
# debug build leaves it out rather than warn), stack protection, and a read-only
# relocation table bound at start (relro, now). Position independence is the compiler's
# default on Debian.
set(VANTOR_OPTIMISED "$<CONFIG:Release,RelWithDebInfo,MinSizeRel>")
add_compile_options("$<${VANTOR_OPTIMISED}:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2;-fstack-protector-strong>")
if(WIN32)
  # mingw's checks live in libssp, which the compiler links when told at link time too. The
  # linker already marks the programs for address randomisation and no-execute data.
  add_link_options("$<${VANTOR_OPTIMISED}:-fstack-protector-strong>")
else()  # ELF only: Windows executables have no relocation table to protect this way
  add_link_options(-Wl,-z,relro -Wl,-z,now)
endif()
