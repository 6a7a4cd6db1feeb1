# Installs the build tree into a scratch prefix, then configures, builds and
# runs a tiny consumer through find_package(QVProj) and through pkg-config.
file(REMOVE_RECURSE ${WORK_DIR})
set(prefix ${WORK_DIR}/prefix)
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
  RESULT_VARIABLE rc OUTPUT_QUIET)
if(rc)
  message(FATAL_ERROR "install failed")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -S ${SOURCE_DIR}/tests/packaging/consumer
    -B ${WORK_DIR}/consumer -DCMAKE_PREFIX_PATH=${prefix}
  RESULT_VARIABLE rc)
if(rc)
  message(FATAL_ERROR "consumer configure failed")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${WORK_DIR}/consumer RESULT_VARIABLE rc)
if(rc)
  message(FATAL_ERROR "consumer build failed")
endif()
execute_process(COMMAND ${WORK_DIR}/consumer/consumer RESULT_VARIABLE rc OUTPUT_VARIABLE out)
if(rc OR NOT out MATCHES "Lambert Conformal Conic")
  message(FATAL_ERROR "consumer run failed: ${out}")
endif()
# pkg-config
find_program(PKGCONFIG pkg-config)
if(PKGCONFIG)
  file(GLOB pcdir ${prefix}/lib*/pkgconfig ${prefix}/lib/*/pkgconfig)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env PKG_CONFIG_PATH=${pcdir}
      ${PKGCONFIG} --cflags --libs qvproj
    OUTPUT_VARIABLE flags RESULT_VARIABLE rc OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(rc)
    message(FATAL_ERROR "pkg-config does not know qvproj")
  endif()
  separate_arguments(flags UNIX_COMMAND "${flags}")
  execute_process(COMMAND c++ -std=c++17 ${SOURCE_DIR}/tests/packaging/consumer/main.cpp ${flags}
      -o ${WORK_DIR}/consumer_pc RESULT_VARIABLE rc)
  if(rc)
    message(FATAL_ERROR "pkg-config consumer build failed")
  endif()
  file(GLOB libdir ${prefix}/lib*)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env LD_LIBRARY_PATH=${pcdir}/..
      ${WORK_DIR}/consumer_pc RESULT_VARIABLE rc OUTPUT_VARIABLE out)
  if(rc OR NOT out MATCHES "Lambert Conformal Conic")
    message(FATAL_ERROR "pkg-config consumer run failed: ${out}")
  endif()
endif()
# Only the public interface is exported: internal routines stay hidden.
find_program(NM nm)
if(NM)
  file(GLOB lib ${prefix}/lib*/libqvproj.so ${prefix}/lib/*/libqvproj.so)
  execute_process(COMMAND ${NM} -D -C --defined-only ${lib} OUTPUT_VARIABLE syms)
  foreach(hidden ReportError ReportAssertion DebugLog CatalogueText kEllipsoids)
    if(syms MATCHES "QVProj::${hidden}")
      message(FATAL_ERROR "libqvproj exports the internal symbol ${hidden}")
    endif()
  endforeach()
  if(NOT syms MATCHES "QVProj::EllipsoidInfo")
    message(FATAL_ERROR "libqvproj does not export its public interface")
  endif()
endif()
# The installed tool starts on its own: its RPATH finds the installed libraries.
if(WITH_CLI)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=LD_LIBRARY_PATH ${prefix}/${BIN_DIR}/qvproj --version
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(rc OR NOT out MATCHES "^qvproj ")
    message(FATAL_ERROR "the installed qvproj does not start: ${out}${err}")
  endif()
endif()
message(STATUS "packaging ok")
