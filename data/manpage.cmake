# One translated manual page, as the build makes it from po4a's output:
# the project's version put in, then compressed as manual pages are
# installed.
#   cmake -DSOURCE=page.6.in -DPAGE=page.6 -DPROJECT_VERSION=1.02 -DGZIP=gzip -P manpage.cmake
configure_file(${SOURCE} ${PAGE} @ONLY)
execute_process(COMMAND ${GZIP} -9 -n -c ${PAGE}
                OUTPUT_FILE ${PAGE}.gz
                COMMAND_ERROR_IS_FATAL ANY)
