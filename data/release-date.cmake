# SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
#
# SPDX-License-Identifier: GPL-3.0-or-later

# One date for the whole release, so that two builds of the same source give
# the same bytes: SOURCE_DATE_EPOCH when it is set, else the date of the last
# commit, else (a source tarball) the date of the changelog's first entry,
# which scripts/release.sh stamped with that same date.
#
# As a script it stamps the dated files of a source tree in place:
#   cmake -DEPOCH=<seconds> -DDIR=<tree>/data -P data/release-date.cmake
if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
    cmake_minimum_required(VERSION 3.25)
endif()

function(release_epoch out source_dir)
    if(DEFINED ENV{SOURCE_DATE_EPOCH})
        set(epoch "$ENV{SOURCE_DATE_EPOCH}")
    else()
        # Only a checkout of this project counts, not a tarball unpacked
        # inside some other repository.
        execute_process(COMMAND git -C "${source_dir}" rev-parse --show-toplevel
            OUTPUT_VARIABLE top RESULT_VARIABLE rc OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
        if(rc EQUAL 0)
            file(REAL_PATH "${top}" top)
            file(REAL_PATH "${source_dir}" source_real)
        endif()
        if(rc EQUAL 0 AND top STREQUAL source_real)
            execute_process(COMMAND git -C "${source_dir}" log -1 --format=%ct
                OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
        else()
            file(READ "${source_dir}/data/changelog" changelog)
            string(REGEX MATCH "\n -- [^\n]*>  ([^\n]+)" trailer "${changelog}")
            execute_process(COMMAND date -u -d "${CMAKE_MATCH_1}" +%s
                OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
        endif()
    endif()
    if(NOT epoch MATCHES "^[0-9]+$")
        message(FATAL_ERROR "no release date: SOURCE_DATE_EPOCH is '${epoch}'")
    endif()
    set(${out} ${epoch} PARENT_SCOPE)
endfunction()

# Rewrites a file only when its text changes, so that make does not redo
# what depends on it at every configure.
function(write_if_changed path text)
    if(EXISTS "${path}")
        file(READ "${path}" old)
        if(old STREQUAL text)
            return()
        endif()
    endif()
    file(WRITE "${path}" "${text}")
endfunction()

# Writes the changelog, the manual pages and the metainfo from in_dir to
# out_dir with the date of the current release set to the epoch's.
function(stamp_release_date epoch version in_dir out_dir)
    # string(TIMESTAMP) reads the time from SOURCE_DATE_EPOCH.
    set(ENV{SOURCE_DATE_EPOCH} ${epoch})
    string(TIMESTAMP day "%Y-%m-%d" UTC)
    string(TIMESTAMP rfc2822 "%a, %d %b %Y %H:%M:%S +0000" UTC)

    # The first trailer line is the current release's.
    file(READ "${in_dir}/changelog" text)
    string(REGEX MATCH "\n -- [^\n]*>  [^\n]+" trailer "${text}")
    if(NOT trailer)
        message(FATAL_ERROR "${in_dir}/changelog: no trailer line with a date")
    endif()
    string(FIND "${text}" "${trailer}" at)
    string(LENGTH "${trailer}" length)
    math(EXPR after "${at} + ${length}")
    string(SUBSTRING "${text}" 0 ${at} head)
    string(SUBSTRING "${text}" ${after} -1 tail)
    string(REGEX REPLACE ">  [^\n]+$" ">  ${rfc2822}" trailer "${trailer}")
    write_if_changed("${out_dir}/changelog" "${head}${trailer}${tail}")

    foreach(page acht-damen.1 acht-damen.de.1)
        file(READ "${in_dir}/${page}" text)
        string(REGEX REPLACE "\n(\\.TH [^ ]+ [^ ]+) [^ ]+" "\n\\1 ${day}" text "${text}")
        write_if_changed("${out_dir}/${page}" "${text}")
    endforeach()

    set(metainfo de.achtdamen.AchtDamen.metainfo.xml)
    file(READ "${in_dir}/${metainfo}" text)
    string(REGEX REPLACE "(<release version=\"${version}\" date=\")[^\"]*" "\\1${day}" text "${text}")
    write_if_changed("${out_dir}/${metainfo}" "${text}")
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
    if(NOT EPOCH MATCHES "^[0-9]+$" OR NOT IS_DIRECTORY "${DIR}")
        message(FATAL_ERROR "usage: cmake -DEPOCH=<seconds> -DDIR=<tree>/data -P ${CMAKE_CURRENT_LIST_FILE}")
    endif()
    file(STRINGS "${DIR}/../CMakeLists.txt" project REGEX "^project\\(acht-damen VERSION ")
    string(REGEX MATCH "VERSION ([0-9.]+)" project "${project}")
    stamp_release_date(${EPOCH} ${CMAKE_MATCH_1} "${DIR}" "${DIR}")
endif()
