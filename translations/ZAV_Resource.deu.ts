<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="deu">
 <context>
  <name>Spectavo</name>
  <message>
   <source>&amp;Open...</source>
   <translation type="unfinished"/>
  </message>
  <message>
   <source>E&amp;xit</source>
   <translation type="unfinished"/>
  </message>
  <message>
   <source>&amp;Help Topics</source>
   <translation type="unfinished"/>
  </message>
  <message>
   <source>A serial device such as /dev/ttyUSB0, or tcp:HOST:PORT</source>
   <translation type="unfinished"/>
  </message>
  <message>
   <source>Port</source>
   <translation type="unfinished"/>
  </message>
  <message>
   <source>Baud rate</source>
   <translation type="unfinished"/>
  </message>
  <message>
   <source>Speed factor</source>
   <translation type="unfinished"/>
  </message>
  <message>
   <source>Cell %1</source>
   <translation type="unfinished"/>
  </message>
  <message>
   <source>Text</source>
   <translation type="unfinished"/>
  </message>
 </context>
</TS>
