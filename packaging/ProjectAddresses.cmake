# The project's own addresses, decided once for the program and its package: the homepage the
# help menu and the about box open (the advertisement page is "ad.html" in the same directory)
# and the mail address of the about box's author link and of the package maintainer.
include_guard(GLOBAL)

set(ZENOKU_HOMEPAGE "https://zenoku-sim.example.org/" CACHE STRING
    "Homepage address opened by the help menu and the about box")
set(ZENOKU_AUTHOR_MAIL "maintainers@zenoku-sim.example.org" CACHE STRING
    "Mail address of the about box's author link and of the package maintainer")

if(ZENOKU_HOMEPAGE STREQUAL "")
    message(FATAL_ERROR "ZENOKU_HOMEPAGE must not be empty")
endif()
if(NOT ZENOKU_AUTHOR_MAIL MATCHES "^[^@ ]+@[^@ ]+$")
    message(FATAL_ERROR "ZENOKU_AUTHOR_MAIL must be a mail address, not '${ZENOKU_AUTHOR_MAIL}'")
endif()
