# Makes the playground page: page.html with the module's script and the shipped networks put in.
# cmake -DTEMPLATE=page.html -DMODULE=mst-playground.js -DNETWORKS="a.txt;b.txt" -DOUT=page.html -P make_page.cmake
file(READ ${TEMPLATE} page)
file(READ ${MODULE} module)
# Nothing in the script may end the element that holds it.
string(REPLACE "</script" "<\\/script" module "${module}")
set(networks "")
foreach(network ${NETWORKS})
  get_filename_component(name ${network} NAME)
  file(READ ${network} text)
  if(text MATCHES "</script")
    message(FATAL_ERROR "${network} holds </script: it cannot stand in the page")
  endif()
  string(APPEND networks "<script type=\"text/plain\" id=\"net-${name}\">\n${text}</script>\n")
endforeach()
string(REPLACE "<!--NETWORKS-->\n" "${networks}" page "${page}")
string(REPLACE "<!--MODULE-->" "${module}" page "${page}")
file(WRITE ${OUT} "${page}")
