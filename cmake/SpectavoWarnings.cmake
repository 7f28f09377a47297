# Warnings are errors for everything this project compiles; third-party headers come in as
# system includes and stay quiet.
add_library(spectavo_warnings INTERFACE)
target_compile_options(spectavo_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wcast-align -Wformat=2 -Werror)
