# One switch for the whole tree: a sanitizer must see every object, or it reports false positives
# (ThreadSanitizer) or misses reads (AddressSanitizer).
if(SPECTAVO_SANITIZE)
    string(REPLACE " " "" _spectavo_sanitize "${SPECTAVO_SANITIZE}")
    set(_flags -fsanitize=${_spectavo_sanitize} -fno-omit-frame-pointer -g)
    if(_spectavo_sanitize MATCHES "undefined")
        list(APPEND _flags -fno-sanitize-recover=all)
    endif()
    add_compile_options(${_flags})
    add_link_options(${_flags})
    message(STATUS "Spectavo: sanitizers ${_spectavo_sanitize}")
endif()

if(SPECTAVO_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "SPECTAVO_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
    endif()
    # A fuzzer must stop at the first undefined behaviour (a float converted out of an integer's range
    # among it), so that it keeps the input that shows it.
    set(_fuzz_flags -fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=all)
    add_compile_options(-fsanitize=fuzzer-no-link ${_fuzz_flags} -fno-omit-frame-pointer)
    add_link_options(${_fuzz_flags})
endif()
