# The hardening flags of Debian's dpkg-buildflags (stack protector, format checks, fortified
# sources, read-only relocations, immediate binding) for every target, as packages built by
# Debian's own tools get them. Only the hardening flags are taken: optimisation and debug
# information stay those of the build type. Not with the sanitizers or the fuzzers, which
# bring their own instrumentation.
find_program(BRELVAN_DPKG_BUILDFLAGS dpkg-buildflags)
if(BRELVAN_DPKG_BUILDFLAGS AND NOT BRELVAN_SANITIZE AND NOT BRELVAN_FUZZ)
    set(hardening)
    foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
        execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                                ${BRELVAN_DPKG_BUILDFLAGS} --get ${kind}
                        OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE
                        RESULT_VARIABLE failed)
        if(failed)
            continue()
        endif()
        separate_arguments(flags UNIX_COMMAND "${flags}")
        foreach(flag IN LISTS flags)
            if(flag MATCHES "^-Wl," AND kind STREQUAL "LDFLAGS")
                add_link_options(${flag})
                list(APPEND hardening ${flag})
            elseif(flag MATCHES "^-D_FORTIFY_SOURCE")
                # Fortified sources need optimisation.
                add_compile_options($<$<NOT:$<CONFIG:Debug>>:${flag}>)
                list(APPEND hardening ${flag})
            elseif(flag MATCHES "^-f(stack-protector|stack-clash|cf-protection|PIE)|^-Wformat|^-Werror=format")
                add_compile_options(${flag})
                list(APPEND hardening ${flag})
            endif()
        endforeach()
    endforeach()
    message(STATUS "Hardening flags from dpkg-buildflags: ${hardening}")
endif()
